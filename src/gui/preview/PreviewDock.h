#pragma once

#include <QDockWidget>

namespace corvane {

class CutListSettings;
class DesignSurface;
class PreviewPanel;

// The "3D Preview" dock. It costs nothing until it is first shown: only
// then are its panel and the 3D engine made. A dock that comes back shown
// with the main window waits until the window is on the screen, so that
// starting the program never waits for the 3D engine.
class PreviewDock : public QDockWidget {
    Q_OBJECT

public:
    PreviewDock(DesignSurface& view, CutListSettings& settings, QWidget* parent = nullptr);

    // Null until the dock has been shown once.
    PreviewPanel* panel() const { return panel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makePanelOnceShown();
    void makePanel();

    DesignSurface& view_;
    CutListSettings& settings_;
    PreviewPanel* panel_ = nullptr;
};

}  // namespace corvane
