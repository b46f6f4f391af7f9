#pragma once

#include "CutList.h"
#include "CutListSettings.h"

#include <QDockWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;

namespace corvane {

class DesignSurface;

// The "Cut List" dock: what to cut for the design on screen, kept up to date
// after every change, with the kerf and units the woodworker works in and
// the board stock the ring height asks for.
class CutListPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit CutListPanel(DesignSurface& view, QWidget* parent = nullptr);

    LengthUnit unit() const;
    double kerfInches() const;
    double allowanceInches() const;
    void setUnit(LengthUnit unit);
    void setKerfInches(double inches);
    void setAllowanceInches(double inches);
    // Shared with the 3D preview, which edits the ring height.
    CutListSettings& settings() { return *settings_; }

    CutList currentList() const;
    // The same cut list as text, as the command line and "Save Cut List as CSV" write it.
    std::string csvText() const;

    // Made when the panel is first shown, or first asked for.
    QTableWidget* rowTable() const;
    QTableWidget* summaryTable() const;
    // Why the design gives no cut list; hidden when it gives one.
    QLabel* refusalLabel() const;

public slots:
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildBody() const;
    void makeBody();
    QWidget* buildSettingsRow();
    void configureLengthBoxes();
    void onUnitChosen();
    void onKerfEdited();
    void onAllowanceEdited();
    void onSettingsChanged();

    DesignSurface& view_;
    QComboBox* units_ = nullptr;
    QDoubleSpinBox* kerf_ = nullptr;
    QDoubleSpinBox* allowance_ = nullptr;
    QLabel* refusal_ = nullptr;
    QTableWidget* rowTable_ = nullptr;
    QTableWidget* summaryTable_ = nullptr;
    CutListSettings* settings_ = nullptr;
    bool stale_ = true;
};

}  // namespace corvane
