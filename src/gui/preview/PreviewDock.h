#pragma once

#include <QDockWidget>

namespace corvane {

class CutListSettings;
class DesignSurface;
class PreviewPanel;

// The "3D Preview" dock. It costs nothing until it is first shown: only
// then are its panel and the 3D engine made.
class PreviewDock : public QDockWidget {
    Q_OBJECT

public:
    PreviewDock(DesignSurface& view, CutListSettings& settings, QWidget* parent = nullptr);

    // Null until the dock has been shown once.
    PreviewPanel* panel() const { return panel_; }

private:
    void makePanel();

    DesignSurface& view_;
    CutListSettings& settings_;
    PreviewPanel* panel_ = nullptr;
};

}  // namespace corvane
