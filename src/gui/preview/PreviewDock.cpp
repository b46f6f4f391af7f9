#include "PreviewDock.h"

#include "PreviewPanel.h"

namespace corvane {

PreviewDock::PreviewDock(DesignSurface& view, CutListSettings& settings, QWidget* parent)
    : QDockWidget(QStringLiteral("3D Preview"), parent), view_(view), settings_(settings) {
    setObjectName(QStringLiteral("PreviewDock"));
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && panel_ == nullptr) {
            makePanel();
        }
    });
}

void PreviewDock::makePanel() {
    panel_ = new PreviewPanel(view_, settings_, this);
    setWidget(panel_);
}

}  // namespace corvane
