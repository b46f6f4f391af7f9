#pragma once

#include "BowlMeshCache.h"
#include "BowlRenderer.h"
#include "DesignChange.h"
#include "DesignLimits.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QTimer;

namespace corvane {

class CutListSettings;
class DesignDocument;
class DesignSurface;
class LengthField;

// The body of the "3D Preview" dock: the design's ring height and wall
// thickness in the cut list's units, and the bowl in 3D, rebuilt after every
// change of the design while the panel is shown.
class PreviewPanel : public QWidget {
    Q_OBJECT

public:
    PreviewPanel(DesignSurface& view, CutListSettings& settings, QWidget* parent = nullptr);
    ~PreviewPanel() override;

    // Null when the 3D engine could not start; messageLine() says why.
    BowlRenderer* renderer() const { return renderer_.get(); }
    QWidget* sceneWidget() const { return scene_; }
    LengthField* ringHeightField() const { return ringHeight_; }
    LengthField* wallThicknessField() const { return wallThickness_; }
    QLabel* messageLine() const { return messageLine_; }
    // Thin dark lines on the joints between segments and rows; on at first,
    // then as the user left them.
    QCheckBox* glueLinesBox() const { return glueLines_; }

public slots:
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSettingsRow();
    void showGlueLines(bool shown);
    void onDesignChanged(const DesignChange& change);
    void onSettingsChanged();
    void typeIntoDesign(LengthField* field, LimitError (DesignDocument::*set)(double),
                        double inches);
    void showSettings();
    void showProblems();
    void onFrameDrawn();

    DesignSurface& view_;
    CutListSettings& settings_;
    std::unique_ptr<BowlRenderer> renderer_;
    BowlMeshCache mesh_;
    QWidget* scene_ = nullptr;
    LengthField* ringHeight_ = nullptr;
    LengthField* wallThickness_ = nullptr;
    QLabel* ringHeightUnit_ = nullptr;
    QLabel* wallThicknessUnit_ = nullptr;
    QCheckBox* glueLines_ = nullptr;
    QLabel* messageLine_ = nullptr;
    QString startError_;
    int shownUnit_ = -1;
    bool stale_ = true;
    // A mesh was handed over and its frame is not on the screen yet.
    bool frameInFlight_ = false;
    QTimer* frameWait_ = nullptr;
    bool typing_ = false;
};

}  // namespace corvane
