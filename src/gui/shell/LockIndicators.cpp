#include "LockIndicators.h"

#include "KeyboardLocks.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace corvane {

namespace {

const char* const kNameProperty = "lockName";

}  // namespace

LockIndicators::LockIndicators(QStatusBar& statusBar)
    : QObject(&statusBar), locks_(new KeyboardLocks(this)) {
    caps_ = addPane(statusBar, QStringLiteral("CAP"));
    num_ = addPane(statusBar, QStringLiteral("NUM"));
    scroll_ = addPane(statusBar, QStringLiteral("SCRL"));
    // Queued, so that the state is asked for after the platform's event is handled.
    connect(locks_, &KeyboardLocks::changed, this, &LockIndicators::refresh, Qt::QueuedConnection);
    // Coming back to the window is when a missed change would show.
    if (QWidget* window = statusBar.window()) {
        window->installEventFilter(this);
    }
    refresh();
}

// The pane keeps the width of its longest name, so the bar does not jump.
QLabel* LockIndicators::addPane(QStatusBar& statusBar, const QString& name) {
    auto* pane = new QLabel(name);
    pane->setObjectName(name);
    pane->setProperty(kNameProperty, name);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
    statusBar.addPermanentWidget(pane);
    return pane;
}

void LockIndicators::show(QLabel* pane, bool on) {
    pane->setEnabled(true);
    pane->setText(on ? pane->property(kNameProperty).toString() : QString());
}

void LockIndicators::refresh() {
    const std::optional<LockStates> states = locks_->read();
    if (!states) {
        for (QLabel* pane : {caps_, num_, scroll_}) {
            pane->setText(pane->property(kNameProperty).toString());
            pane->setEnabled(false);
        }
        return;
    }
    show(caps_, states->capsLock);
    show(num_, states->numLock);
    show(scroll_, states->scrollLock);
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && locks_->isKnown()) {
        refresh();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
