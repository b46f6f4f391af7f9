#include "ProfileDock.h"

#include "ProfilePanel.h"

#include <QScrollArea>

namespace corvane {

ProfileDock::ProfileDock(DesignSurface& view, CutListSettings& settings, QWidget* parent)
    : QDockWidget(QStringLiteral("Profile"), parent), view_(view), settings_(settings) {
    setObjectName(QStringLiteral("ProfileDock"));
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && panel_ == nullptr) {
            // Scrolled rather than squeezed: docked below the 3D preview on a
            // laptop screen, the panel must not make the window taller than it.
            auto* scroller = new QScrollArea(this);
            scroller->setWidgetResizable(true);
            scroller->setFrameShape(QFrame::NoFrame);
            panel_ = new ProfilePanel(view_, settings_, scroller);
            scroller->setWidget(panel_);
            setWidget(scroller);
        }
    });
}

}  // namespace corvane
