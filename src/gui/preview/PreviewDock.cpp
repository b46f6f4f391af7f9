#include "PreviewDock.h"

#include "PreviewPanel.h"

#include <QEvent>
#include <QWindow>

namespace corvane {

PreviewDock::PreviewDock(DesignSurface& view, CutListSettings& settings, QWidget* parent)
    : QDockWidget(QStringLiteral("3D Preview"), parent), view_(view), settings_(settings) {
    setObjectName(QStringLiteral("PreviewDock"));
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && panel_ == nullptr) {
            makePanelOnceShown();
        }
    });
}

void PreviewDock::makePanelOnceShown() {
    QWindow* frame = window()->windowHandle();
    if (frame == nullptr || frame->isExposed()) {
        makePanel();
        return;
    }
    frame->installEventFilter(this);
}

// Queued, so that the window's first paint comes before the 3D engine.
bool PreviewDock::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &PreviewDock::makePanel, Qt::QueuedConnection);
    }
    return QDockWidget::eventFilter(watched, event);
}

void PreviewDock::makePanel() {
    if (panel_ != nullptr) {
        return;
    }
    panel_ = new PreviewPanel(view_, settings_, this);
    setWidget(panel_);
}

}  // namespace corvane
