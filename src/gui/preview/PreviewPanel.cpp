#include "PreviewPanel.h"

#include "AppSettings.h"
#include "BowlRendererLoader.h"
#include "CutListSettings.h"
#include "DesignSurface.h"
#include "LengthField.h"
#include "SettingsKeys.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace corvane {

PreviewPanel::PreviewPanel(DesignSurface& view, CutListSettings& settings, QWidget* parent)
    : QWidget(parent), view_(view), settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSettingsRow());
    messageLine_ = new QLabel(this);
    messageLine_->setWordWrap(true);
    messageLine_->setStyleSheet(QStringLiteral("QLabel { color: #C00000; }"));
    layout->addWidget(messageLine_);

    BowlRendererLoader::Result started = BowlRendererLoader::create();
    renderer_ = std::move(started.renderer);
    startError_ = started.error;
    if (renderer_ != nullptr) {
        renderer_->setGlueLines(glueLines_->isChecked());
        renderer_->setFrameDrawnHandler([this] { onFrameDrawn(); });
        // A window that is not on the screen draws no frame to wait for.
        frameWait_ = new QTimer(this);
        frameWait_->setSingleShot(true);
        frameWait_->setInterval(250);
        connect(frameWait_, &QTimer::timeout, this, &PreviewPanel::onFrameDrawn);
        scene_ = renderer_->createWidget(this);
        scene_->setMinimumSize(200, 150);
        layout->addWidget(scene_, 1);
        layout->addWidget(new QLabel(QStringLiteral(
            "Drag to turn the bowl, use the wheel to zoom, double-click for the first view.")));
    } else {
        layout->addStretch(1);
    }
    showSettings();
    connect(&view_.document(), &DesignDocument::changed, this, &PreviewPanel::onDesignChanged);
    connect(&settings_, &CutListSettings::changed, this, &PreviewPanel::onSettingsChanged);
}

// The renderer goes first: it takes its window out of the scene widget.
PreviewPanel::~PreviewPanel() {
    renderer_.reset();
}

QWidget* PreviewPanel::buildSettingsRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    ringHeight_ = new LengthField(ReadRingHeight, row);
    wallThickness_ = new LengthField(ReadWallThickness, row);
    ringHeightUnit_ = new QLabel(row);
    wallThicknessUnit_ = new QLabel(row);
    for (LengthField* field : {ringHeight_, wallThickness_}) {
        field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")));
        connect(field, &LengthField::problemChanged, this, &PreviewPanel::showProblems);
    }
    connect(ringHeight_, &LengthField::lengthEdited, this, [this](double inches) {
        typeIntoDesign(ringHeight_, &DesignDocument::setRingHeight, inches);
    });
    connect(wallThickness_, &LengthField::lengthEdited, this, [this](double inches) {
        typeIntoDesign(wallThickness_, &DesignDocument::setWallThickness, inches);
    });
    layout->addWidget(new QLabel(QStringLiteral("Ring height:"), row));
    layout->addWidget(ringHeight_);
    layout->addWidget(ringHeightUnit_);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("Wall thickness:"), row));
    layout->addWidget(wallThickness_);
    layout->addWidget(wallThicknessUnit_);
    layout->addSpacing(12);
    glueLines_ = new QCheckBox(QStringLiteral("Glue lines"), row);
    glueLines_->setChecked(AppSettings().value(SettingsKeys::PreviewGlueLines, true).toBool());
    connect(glueLines_, &QCheckBox::toggled, this, &PreviewPanel::showGlueLines);
    layout->addWidget(glueLines_);
    layout->addStretch(1);
    return row;
}

// The lines are drawn by the engine over the mesh it has, so turning them
// on or off needs no new mesh.
void PreviewPanel::showGlueLines(bool shown) {
    AppSettings().setValue(SettingsKeys::PreviewGlueLines, shown);
    if (renderer_ != nullptr) {
        renderer_->setGlueLines(shown);
    }
}

// The design refuses a shape that leaves a row no wall; the field shows why.
void PreviewPanel::typeIntoDesign(LengthField* field, LimitError (DesignDocument::*set)(double),
                                  double inches) {
    typing_ = true;
    const LimitError error = (view_.document().*set)(inches);
    typing_ = false;
    if (error) {
        field->showProblem(QString::fromStdString(*error));
    }
}

// The fields are written again when the design's shape changes from
// elsewhere (a design opened) or the units change, never by the value their
// own typing produced, so that typing in them is never disturbed.
void PreviewPanel::onDesignChanged(const DesignChange& change) {
    if (change.shape && !typing_) {
        showSettings();
    }
    refresh();
}

void PreviewPanel::onSettingsChanged() {
    if (shownUnit_ != int(settings_.unit())) {
        showSettings();
    }
    refresh();
}

void PreviewPanel::showSettings() {
    const LengthUnit unit = settings_.unit();
    shownUnit_ = int(unit);
    const BowlShape& shape = view_.model().Shape;
    ringHeight_->showLength(shape.ringHeight, unit);
    wallThickness_->showLength(shape.wallThickness, unit);
    const QString label = QString::fromLatin1(UnitLabel(unit));
    ringHeightUnit_->setText(label);
    wallThicknessUnit_->setText(label);
    showProblems();
}

void PreviewPanel::showProblems() {
    QStringList problems;
    for (const LengthField* field : {ringHeight_, wallThickness_}) {
        if (!field->problem().isEmpty()) {
            problems << field->problem();
        }
    }
    if (renderer_ == nullptr) {
        problems << startError_;
    }
    messageLine_->setText(problems.join(QLatin1Char('\n')));
}

// The engine shows no more meshes than it draws frames, and on a software
// renderer a frame takes longer than a step of dragging a profile point. So
// while a frame is being drawn, a change waits for it and the latest design
// goes next, rather than building a mesh for every step.
void PreviewPanel::refresh() {
    if (!isVisible() || renderer_ == nullptr || frameInFlight_) {
        stale_ = true;  // caught up when the panel is shown or the frame is drawn
        return;
    }
    stale_ = false;
    frameInFlight_ = true;
    frameWait_->start();
    BowlRendererLoader::showMesh(*renderer_, mesh_.update(view_.model(), view_.model().Shape));
}

void PreviewPanel::onFrameDrawn() {
    frameInFlight_ = false;
    frameWait_->stop();
    if (stale_ && isVisible()) {
        refresh();
    }
}

void PreviewPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        refresh();
    }
}

}  // namespace corvane
