#pragma once

#include <QDockWidget>

namespace corvane {

class CutListSettings;
class DesignSurface;
class ProfilePanel;

// The "Profile" dock. Its panel is made the first time the dock is shown.
class ProfileDock : public QDockWidget {
    Q_OBJECT

public:
    ProfileDock(DesignSurface& view, CutListSettings& settings, QWidget* parent = nullptr);

    // Null until the dock has been shown once.
    ProfilePanel* panel() const { return panel_; }

private:
    DesignSurface& view_;
    CutListSettings& settings_;
    ProfilePanel* panel_ = nullptr;
};

}  // namespace corvane
