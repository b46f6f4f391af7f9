#include "QuickCustomizeFilter.h"

#include "ToolbarCustomization.h"

#include <QApplication>
#include <QChildEvent>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

namespace corvane {

QuickCustomizeFilter::QuickCustomizeFilter(ToolbarCustomization& toolbars)
    : QObject(&toolbars), toolbars_(toolbars) {}

// Buttons are made by the toolbar as actions arrive, so new children get
// watched as they are added.
void QuickCustomizeFilter::watch(QToolBar* toolBar) {
    toolBar->installEventFilter(this);
    for (QWidget* child : toolBar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->installEventFilter(this);
    }
}

bool QuickCustomizeFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded: {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (qobject_cast<QToolBar*>(watched) != nullptr && child->isWidgetType()) {
                child->installEventFilter(this);
            }
            return false;
        }
        case QEvent::MouseButtonPress:
            return startDrag(watched, event);
        case QEvent::MouseMove:
        case QEvent::MouseButtonDblClick:
            return isDragging();
        case QEvent::MouseButtonRelease:
            return finishDrag(event);
        default:
            return false;
    }
}

bool QuickCustomizeFilter::startDrag(QObject* watched, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (isDragging() || mouse->button() != Qt::LeftButton ||
        !mouse->modifiers().testFlag(Qt::AltModifier)) {
        return isDragging();
    }
    auto* button = qobject_cast<QToolButton*>(watched);
    QToolBar* toolBar =
        button != nullptr ? qobject_cast<QToolBar*>(button->parentWidget()) : nullptr;
    if (toolBar == nullptr || !toolbars_.isMovableButton(toolBar, button->defaultAction())) {
        return false;
    }
    source_ = toolBar;
    dragged_ = button->defaultAction();
    QApplication::setOverrideCursor(Qt::DragMoveCursor);
    return true;
}

bool QuickCustomizeFilter::finishDrag(QEvent* event) {
    if (!isDragging()) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) {
        return true;
    }
    QApplication::restoreOverrideCursor();
    QPointer<QToolBar> source = source_;
    QPointer<QAction> dragged = dragged_;
    source_.clear();
    dragged_.clear();
    // The button under the mouse may be replaced by the move; the toolbar
    // deletes it later, so finishing here is safe.
    if (source != nullptr && dragged != nullptr) {
        toolbars_.dropButton(source, dragged, mouse->globalPosition().toPoint());
    }
    return true;
}

}  // namespace corvane
