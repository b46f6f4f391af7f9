#pragma once

#include "BowlShape.h"
#include "DesignChange.h"
#include "LengthField.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace corvane {

class CutListSettings;
class DesignDocument;
class DesignSurface;
class LengthField;
class ProfileView;

// The body of the "Profile" dock: the half section to edit, the lengths of
// the selected point and row, the ring height and the wall typed in the cut
// list's units, and the starting shapes. Its own undo takes back shape edits
// (and the ID or OD a moved end point gave), apart from the fills' undo.
class ProfilePanel : public QWidget {
    Q_OBJECT

public:
    ProfilePanel(DesignSurface& view, CutListSettings& settings, QWidget* parent = nullptr);

    ProfileView* profileView() const { return profile_; }
    LengthField* radiusField() const { return radius_; }
    LengthField* heightField() const { return height_; }
    LengthField* ringHeightField() const { return ringHeight_; }
    LengthField* rowHeightField() const { return rowHeight_; }
    LengthField* wallThicknessField() const { return wallThickness_; }
    QLabel* messageLine() const { return messageLine_; }
    QPushButton* startingShapeButton(StartingShape shape) const;

    void undo();
    void redo();

private:
    // What one undo step puts back.
    struct ShapeState {
        double id = 0.0;
        double od = 0.0;
        BowlShape shape;
        bool operator==(const ShapeState&) const = default;
    };

    QWidget* buildFields();
    QWidget* buildStartingShapes();
    LengthField* addField(QWidget* row, const QString& label, LengthField::Reader reader);
    ShapeState current() const;
    void remember();
    void restore(const ShapeState& state);
    void forgetUnchanged();

    void movePoint(int index, ProfilePoint inches);
    void addPoint(ProfilePoint inches);
    void removePoint(int index);
    void typeRadius(double inches);
    void typeHeight(double inches);
    void typeInto(LengthField* field, const std::function<LimitError()>& set);
    void typeRowHeight(double inches);
    void start(StartingShape shape);
    bool moveEnd(bool last, double radius);
    bool showOutcome(const LimitError& error);

    void onDesignChanged(const DesignChange& change);
    void showValues();

    DesignSurface& view_;
    CutListSettings& settings_;
    ProfileView* profile_ = nullptr;
    LengthField* radius_ = nullptr;
    LengthField* height_ = nullptr;
    LengthField* ringHeight_ = nullptr;
    LengthField* rowHeight_ = nullptr;
    LengthField* wallThickness_ = nullptr;
    std::vector<QPushButton*> startingShapes_;
    QLabel* messageLine_ = nullptr;
    QLabel* units_ = nullptr;
    std::vector<ShapeState> undo_;
    std::vector<ShapeState> redo_;
    bool typing_ = false;
};

}  // namespace corvane
