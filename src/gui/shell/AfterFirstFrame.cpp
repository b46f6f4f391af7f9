#include "AfterFirstFrame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace corvane {

AfterFirstFrame::AfterFirstFrame(QWidget& window, std::function<void()> job)
    : QObject(&window), window_(window), job_(std::move(job)) {}

void AfterFirstFrame::run(QWidget& window, std::function<void()> job) {
    auto* waiter = new AfterFirstFrame(window, std::move(job));
    window.installEventFilter(waiter);
}

// The native window exists once the widget is shown; its first expose is
// where the first frame is painted. Queued, so that the paint comes first.
bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show) {
        QWindow* native = window_.windowHandle();
        window_.removeEventFilter(this);
        if (native == nullptr || native->isExposed()) {
            QMetaObject::invokeMethod(this, &AfterFirstFrame::runJob, Qt::QueuedConnection);
        } else {
            native->installEventFilter(this);
        }
    } else if (watched != &window_ && event->type() == QEvent::Expose &&
               static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &AfterFirstFrame::runJob, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void AfterFirstFrame::runJob() {
    const std::function<void()> job = std::move(job_);
    deleteLater();
    job();
}

}  // namespace corvane
