// Loaded with LD_PRELOAD into a Qt widget program, so that the very program
// a user starts is measured: prints when its main window is first on the
// screen and painted, then ends it. Times are CLOCK_REALTIME nanoseconds,
// as `date +%s%N` gives them to the script that started the program.
//   CORVANE_PROBE=window        print "visible" and stop (the default)
//   CORVANE_PROBE=preview       also wait for the 3D preview's first frame
//   CORVANE_PROBE=open-preview  choose View > 3D Preview, then close the
//                               window normally so that its place is saved
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long nowNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

class StartupProbe : public QObject {
    Q_OBJECT

public:
    StartupProbe() : mode_(qEnvironmentVariable("CORVANE_PROBE", QStringLiteral("window"))) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Expose) {
            return false;
        }
        if (object->inherits("QQuickWindow") && !watchingFrames_) {
            watchingFrames_ = true;
            connect(object, SIGNAL(frameSwapped()), this, SLOT(onPreviewFrame()),
                    Qt::QueuedConnection);
        } else if (!windowShown_ && qobject_cast<QWindow*>(object) != nullptr &&
                   static_cast<QWindow*>(object)->isTopLevel()) {
            windowShown_ = true;
            // Queued, so that the paint the expose causes is done first.
            QMetaObject::invokeMethod(this, "onWindowShown", Qt::QueuedConnection);
        }
        return false;
    }

private slots:
    void onWindowShown() {
        std::fprintf(stderr, "corvane-probe visible %lld\n", nowNanoseconds());
        if (mode_ == QLatin1String("open-preview")) {
            openPreview();
        } else if (mode_ != QLatin1String("preview")) {
            std::_Exit(0);
        }
    }

    void onPreviewFrame() {
        if (previewDrawn_) {
            return;
        }
        previewDrawn_ = true;
        std::fprintf(stderr, "corvane-probe preview %lld\n", nowNanoseconds());
        if (mode_ == QLatin1String("open-preview")) {
            QApplication::closeAllWindows();
        } else {
            std::_Exit(0);
        }
    }

private:
    void openPreview() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            for (QAction* action : widget->findChildren<QAction*>()) {
                if (action->text() == QLatin1String("3D Preview")) {
                    action->trigger();
                    return;
                }
            }
        }
        std::fprintf(stderr, "corvane-probe: no \"3D Preview\" command\n");
        std::_Exit(1);
    }

    QString mode_;
    bool windowShown_ = false;
    bool watchingFrames_ = false;
    bool previewDrawn_ = false;
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(new StartupProbe);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

#include "StartupProbe.moc"
