#pragma once

#include "BoxParameters.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane {

class DesignSurface;

// "Parameters Box": the design's ID, OD, rows, segments and font size. The
// box works live: every edit is read at once and, when the whole design stays
// within its limits, becomes the live design and the view repaints before
// the keystroke returns. A value beyond a limit, or a field that holds no
// number yet, leaves the drawing as it was and is pointed out in the box
// itself; only OK answers with a message.
class ParametersBox : public QDialog {
    Q_OBJECT

public:
    explicit ParametersBox(DesignSurface& view);
    ~ParametersBox() override;

    QLineEdit* field(BoxField which) const;
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    // The line at the bottom of the box that names a broken limit.
    QLabel* limitLine() const { return limitLine_; }

public slots:
    void accept() override;
    void done(int result) override;

private:
    void buildControls();
    void addField(BoxField which, int top);
    void addLabel(const char* text, int top);
    void writeFields();
    // Reads the fields in exchange order into the box copies; false at the
    // first field that cannot be read (the later ones are left unread).
    bool readFields();
    // Reads every field that holds a number; returns those that do not.
    std::vector<BoxField> readReadableFields();
    void onFieldEdited(BoxField edited);
    void selectFieldToMend(const BoxLimitProblem& problem);
    void showLimits(const std::optional<BoxLimitProblem>& problem);
    // Marks unreadable fields and the fields of a broken limit, each with
    // its message in the line at the bottom of the box.
    void showProblems(const std::vector<BoxField>& unreadable,
                      const std::optional<BoxLimitProblem>& problem);
    void placeBelowMenuBar();

    DesignSurface& view_;
    BoxParameters& copies_;
    std::array<QLineEdit*, 5> fields_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* limitLine_ = nullptr;
    std::optional<BoxField> lastEdited_;
};

}  // namespace corvane
