#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace corvane {

// Runs a job once a top-level window has been shown and its first frame
// handled, so that work the first frame does not need (the window manager's
// icon, say) does not hold the window back.
class AfterFirstFrame : public QObject {
    Q_OBJECT

public:
    // The job runs once, from the event loop; never if the window goes first.
    static void run(QWidget& window, std::function<void()> job);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstFrame(QWidget& window, std::function<void()> job);
    void runJob();

    QWidget& window_;
    std::function<void()> job_;
};

}  // namespace corvane
