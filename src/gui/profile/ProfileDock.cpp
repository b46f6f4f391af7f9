#include "ProfileDock.h"

#include "ProfilePanel.h"

namespace corvane {

ProfileDock::ProfileDock(DesignSurface& view, CutListSettings& settings, QWidget* parent)
    : QDockWidget(QStringLiteral("Profile"), parent), view_(view), settings_(settings) {
    setObjectName(QStringLiteral("ProfileDock"));
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && panel_ == nullptr) {
            panel_ = new ProfilePanel(view_, settings_, this);
            setWidget(panel_);
        }
    });
}

}  // namespace corvane
