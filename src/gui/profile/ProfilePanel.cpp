#include "ProfilePanel.h"

#include "BoxParameters.h"
#include "CutListSettings.h"
#include "DesignSurface.h"
#include "LengthField.h"
#include "ProfileView.h"
#include "ShapeFrame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace corvane {

namespace {

// Inner points keep clear of their neighbours' heights by this much.
constexpr double kHeightGap = 0.01;

}  // namespace

ProfilePanel::ProfilePanel(DesignSurface& view, CutListSettings& settings, QWidget* parent)
    : QWidget(parent), view_(view), settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildStartingShapes());
    layout->addWidget(buildFields());
    messageLine_ = new QLabel(this);
    messageLine_->setWordWrap(true);
    messageLine_->setStyleSheet(QStringLiteral("QLabel { color: #C00000; }"));
    layout->addWidget(messageLine_);
    profile_ = new ProfileView(view_, settings_, this);
    layout->addWidget(profile_, 1);
    layout->addWidget(new QLabel(QStringLiteral(
        "Drag a point to move it, double-click on the curve to add one, Delete removes it.")));

    connect(profile_, &ProfileView::dragStarted, this, &ProfilePanel::remember);
    connect(profile_, &ProfileView::dragEnded, this, &ProfilePanel::forgetUnchanged);
    connect(profile_, &ProfileView::pointMoved, this, &ProfilePanel::movePoint);
    connect(profile_, &ProfileView::pointAdded, this, &ProfilePanel::addPoint);
    connect(profile_, &ProfileView::removeRequested, this, &ProfilePanel::removePoint);
    connect(profile_, &ProfileView::undoRequested, this, &ProfilePanel::undo);
    connect(profile_, &ProfileView::redoRequested, this, &ProfilePanel::redo);
    connect(profile_, &ProfileView::selectionChanged, this, &ProfilePanel::showValues);
    connect(&view_.document(), &DesignDocument::changed, this, &ProfilePanel::onDesignChanged);
    connect(&settings_, &CutListSettings::changed, this, [this] {
        showValues();
        profile_->update();
    });
    showValues();
}

QWidget* ProfilePanel::buildStartingShapes() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<StartingShape, const char*> shapes[] = {
        {StartingShape::StraightWall, "Straight wall"},
        {StartingShape::Bowl, "Bowl"},
        {StartingShape::ClosedForm, "Closed form"}};
    for (const auto& [shape, text] : shapes) {
        auto* button = new QPushButton(QString::fromLatin1(text), row);
        connect(button, &QPushButton::clicked, this, [this, shape] { start(shape); });
        layout->addWidget(button);
        startingShapes_.push_back(button);
    }
    layout->addStretch(1);
    return row;
}

QPushButton* ProfilePanel::startingShapeButton(StartingShape shape) const {
    return startingShapes_[std::size_t(shape)];
}

LengthField* ProfilePanel::addField(QWidget* row, const QString& label,
                                    LengthField::Reader reader) {
    auto* grid = static_cast<QGridLayout*>(row->layout());
    const int at = grid->count() / 2;
    auto* field = new LengthField(reader, row);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000.000")));
    grid->addWidget(new QLabel(label, row), at / 3, (at % 3) * 2);
    grid->addWidget(field, at / 3, (at % 3) * 2 + 1);
    connect(field, &LengthField::problemChanged, this, [this, field] {
        if (!field->problem().isEmpty()) {
            messageLine_->setText(field->problem());
        }
    });
    return field;
}

QWidget* ProfilePanel::buildFields() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    radius_ = addField(row, QStringLiteral("Point radius:"), ReadProfileRadius);
    height_ = addField(row, QStringLiteral("Point height:"), ReadProfileHeight);
    wallThickness_ = addField(row, QStringLiteral("Wall thickness:"), ReadWallThickness);
    ringHeight_ = addField(row, QStringLiteral("Ring height:"), ReadRingHeight);
    rowHeight_ = addField(row, QStringLiteral("Row height:"), ReadRowHeight);
    units_ = new QLabel(row);
    grid->addWidget(units_, 1, 4, 1, 2);
    connect(radius_, &LengthField::lengthEdited, this, &ProfilePanel::typeRadius);
    connect(height_, &LengthField::lengthEdited, this, &ProfilePanel::typeHeight);
    connect(ringHeight_, &LengthField::lengthEdited, this, [this](double inches) {
        typeInto(ringHeight_, [&] { return view_.document().setRingHeight(inches); });
    });
    connect(wallThickness_, &LengthField::lengthEdited, this, [this](double inches) {
        typeInto(wallThickness_, [&] { return view_.document().setWallThickness(inches); });
    });
    connect(rowHeight_, &LengthField::lengthEdited, this, &ProfilePanel::typeRowHeight);
    return row;
}

ProfilePanel::ShapeState ProfilePanel::current() const {
    const BowlModel& model = view_.model();
    return {model.ID, model.OD, model.Shape};
}

void ProfilePanel::remember() {
    undo_.push_back(current());
    redo_.clear();
}

// A drag that moved nothing leaves no step to undo.
void ProfilePanel::forgetUnchanged() {
    if (!undo_.empty() && undo_.back() == current()) {
        undo_.pop_back();
    }
}

void ProfilePanel::restore(const ShapeState& state) {
    const BowlModel& model = view_.model();
    if (state.id != model.ID || state.od != model.OD) {
        BoxParameters values;
        values.LoadFrom(model);
        values.BoxID = state.id;
        values.BoxOD = state.od;
        view_.document().setParameters(values);
    }
    view_.document().setShape(state.shape);
}

void ProfilePanel::undo() {
    if (undo_.empty()) {
        return;
    }
    redo_.push_back(current());
    restore(undo_.back());
    undo_.pop_back();
}

void ProfilePanel::redo() {
    if (redo_.empty()) {
        return;
    }
    undo_.push_back(current());
    restore(redo_.back());
    redo_.pop_back();
}

bool ProfilePanel::showOutcome(const LimitError& error) {
    messageLine_->setText(error ? QString::fromStdString(*error) : QString());
    return !error;
}

// The end points move only sideways: they are ID/2 on the floor and OD/2 on
// the rim, so moving one changes the design's diameter, and so the plan.
bool ProfilePanel::moveEnd(bool last, double radius) {
    BoxParameters values;
    values.LoadFrom(view_.model());
    (last ? values.BoxOD : values.BoxID) = 2.0 * std::max(radius, 0.0);
    if (const std::optional<BoxLimitProblem> problem = values.CheckLimits()) {
        return showOutcome(problem->message);
    }
    view_.document().setParameters(values);
    return showOutcome(std::nullopt);
}

void ProfilePanel::movePoint(int index, ProfilePoint inches) {
    std::vector<ProfilePoint> points = PlacedProfile(view_.model());
    if (index < 0 || index >= int(points.size())) {
        return;
    }
    if (index == 0 || index + 1 == int(points.size())) {
        moveEnd(index > 0, inches.radius);
        return;
    }
    const double low = points[std::size_t(index) - 1].height + kHeightGap;
    const double high = points[std::size_t(index) + 1].height - kHeightGap;
    if (!(low < high)) {
        return;
    }
    points[std::size_t(index)] = {std::max(inches.radius, 0.0),
                                  std::clamp(inches.height, low, high)};
    showOutcome(view_.document().setProfilePoints(points));
}

void ProfilePanel::addPoint(ProfilePoint inches) {
    std::vector<ProfilePoint> points = PlacedProfile(view_.model());
    const auto above = std::find_if(points.begin(), points.end(), [&](const ProfilePoint& p) {
        return p.height > inches.height;
    });
    if (above == points.begin() || above == points.end() ||
        above->height - inches.height < kHeightGap ||
        inches.height - std::prev(above)->height < kHeightGap) {
        return;
    }
    const int index = int(above - points.begin());
    points.insert(above, inches);
    remember();
    if (showOutcome(view_.document().setProfilePoints(points))) {
        profile_->selectPoint(index);
    } else {
        undo_.pop_back();
    }
}

// The ends stay: the profile always runs from the floor to the rim.
void ProfilePanel::removePoint(int index) {
    std::vector<ProfilePoint> points = PlacedProfile(view_.model());
    if (index <= 0 || index + 1 >= int(points.size())) {
        return;
    }
    points.erase(points.begin() + index);
    remember();
    if (showOutcome(view_.document().setProfilePoints(points))) {
        profile_->selectPoint(-1);
    } else {
        undo_.pop_back();
    }
}

void ProfilePanel::typeRadius(double inches) {
    const int index = profile_->selectedPoint();
    const std::vector<ProfilePoint> points = PlacedProfile(view_.model());
    if (index < 0 || index >= int(points.size())) {
        return;
    }
    typing_ = true;
    remember();
    movePoint(index, {inches, points[std::size_t(index)].height});
    forgetUnchanged();
    typing_ = false;
}

void ProfilePanel::typeHeight(double inches) {
    const int index = profile_->selectedPoint();
    const std::vector<ProfilePoint> points = PlacedProfile(view_.model());
    if (index <= 0 || index + 1 >= int(points.size())) {
        return;
    }
    typing_ = true;
    remember();
    movePoint(index, {points[std::size_t(index)].radius, inches});
    forgetUnchanged();
    typing_ = false;
}

// A length the design refuses is framed in red like one beyond its limits.
void ProfilePanel::typeInto(LengthField* field, const std::function<LimitError()>& set) {
    typing_ = true;
    remember();
    const LimitError error = set();
    showOutcome(error);
    if (error) {
        field->showProblem(QString::fromStdString(*error));
    }
    forgetUnchanged();
    typing_ = false;
}

void ProfilePanel::typeRowHeight(double inches) {
    typeInto(rowHeight_,
             [&] { return view_.document().setRowHeight(profile_->selectedRow(), inches); });
}

void ProfilePanel::start(StartingShape shape) {
    BowlShape shaped = view_.model().Shape;
    shaped.profile = StartingProfile(shape);
    remember();
    if (!showOutcome(view_.document().setShape(shaped))) {
        undo_.pop_back();
    }
    forgetUnchanged();
    profile_->selectPoint(-1);
}

// The fields follow every change but the one their own typing made.
void ProfilePanel::onDesignChanged(const DesignChange&) {
    if (!typing_) {
        showValues();
    }
    profile_->update();
}

void ProfilePanel::showValues() {
    const LengthUnit unit = settings_.unit();
    const BowlModel& model = view_.model();
    const std::vector<ProfilePoint> points = PlacedProfile(model);
    const int index = profile_->selectedPoint();
    const bool chosen = index >= 0 && index < int(points.size());
    radius_->setEnabled(chosen);
    height_->setEnabled(chosen && index > 0 && index + 1 < int(points.size()));
    if (chosen) {
        radius_->showLength(points[std::size_t(index)].radius, unit);
        height_->showLength(points[std::size_t(index)].height, unit);
    } else {
        radius_->clear();
        height_->clear();
    }
    ringHeight_->showLength(model.Shape.ringHeight, unit);
    rowHeight_->showLength(model.Shape.RowHeight(profile_->selectedRow()), unit);
    wallThickness_->showLength(model.Shape.wallThickness, unit);
    units_->setText(QStringLiteral("Lengths in %1; row %2 chosen")
                        .arg(QString::fromLatin1(UnitLabel(unit)))
                        .arg(profile_->selectedRow()));
}

}  // namespace corvane
