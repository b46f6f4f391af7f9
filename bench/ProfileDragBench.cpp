// Times dragging a point of the bowl's profile in the real main window at
// 1920 x 1080 with the Profile, Cut List and 3D Preview panels shown: each
// step from the mouse move until every panel has repainted and the new mesh
// is handed to the 3D engine (which draws it on its own thread). Largest
// design 23 x 89, bellied. Reference, in the same run: the same steps with
// the panels hidden, which leaves only the design's own work and the plan.
// Run under a display (scripts/with-xvfb.sh): the 3D panel draws with OpenGL.
#include "Application.h"
#include "BenchDesigns.h"
#include "CommandIds.h"
#include "CutListPanel.h"
#include "DesignDocument.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "NaivePaint.h"
#include "PreviewDock.h"
#include "ProfileDock.h"
#include "ProfilePanel.h"
#include "ProfileView.h"
#include "ShapeFrame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <ctime>

using namespace corvane;

namespace {

struct DragTimes {
    std::vector<double> steps;    // the move and everything it brings about
    std::vector<double> changes;  // the move alone: the design and the panels' updates
    double busyPerStep = 0.0;     // this thread's processor time over the drag, per step
};

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The middle point moved out and back a pixel at a time, the button held,
// one move every 16 ms as a mouse sends them; in between, the program goes
// on with whatever the step left for later (a mesh waiting for the 3D
// frame), which the processor time per step counts too.
DragTimes timeDragSteps(ProfileView& profile, const BowlModel& model) {
    const std::vector<ProfilePoint> points = PlacedProfile(model);
    const QPoint start = profile.pixelOf(points[1]).toPoint();
    QTest::mousePress(&profile, Qt::LeftButton, Qt::NoModifier, start);
    QApplication::processEvents();
    DragTimes times;
    const int steps = bench::RepeatsOr(60);
    const double busyBefore = threadMilliseconds();
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < steps; ++step) {
        const int offset = step % 20 < 10 ? step % 10 + 1 : 10 - step % 10;
        const QPoint to = start + QPoint(offset, 0);
        double change = 0.0;
        times.steps.push_back(
            bench::TimeRuns(1, [&] {
                change = bench::TimeRuns(1, [&] { QTest::mouseMove(&profile, to); }).front();
                QApplication::processEvents();
            }).front());
        times.changes.push_back(change);
        const qint64 idle = 16 * (step + 1) - clock.elapsed();
        if (idle > 0) {
            QEventLoop loop;  // waits without spinning, handling what comes
            QTimer::singleShot(int(idle), Qt::PreciseTimer, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    times.busyPerStep = (threadMilliseconds() - busyBefore) / steps;
    QTest::mouseRelease(&profile, Qt::LeftButton, Qt::NoModifier, start);
    QApplication::processEvents();
    return times;
}

void printDrag(const char* what, const DragTimes& times) {
    std::printf("%s:\n", what);
    bench::PrintTimes("drag step to finished repaint", times.steps);
    bench::PrintTimes("of which the move's own work", times.changes);
    std::printf("  processor time of the program's thread per step: %.2f ms\n", times.busyPerStep);
}

void showDocks(MainWindow& frame, bool cutList, bool preview) {
    frame.cutListPanel()->setVisible(cutList);
    frame.previewDock()->setVisible(preview);
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    DesignDocument document;
    Application app(document);
    MainWindow* shown = bench::ShowFullHdWindow(app);
    if (shown == nullptr) {
        return 1;
    }
    MainWindow& frame = *shown;
    BowlModel design = bench::FilledDesign(23, 89);
    design.Shape.profile = {{0.0, 0.0}, {1.3, 0.5}, {1.0, 1.0}};
    document.replaceBy(design);
    for (int id : {cmd::ViewProfile, cmd::ViewCutList, cmd::ViewPreview3D}) {
        frame.runCommand(id);
    }
    QTest::qWait(500);  // the 3D engine starts and draws its first frame
    ProfileView& profile = *frame.profileDock()->panel()->profileView();
    std::printf("Drag a profile point, 23x89 bellied, window 1920x1080 on %s:\n",
                qPrintable(QGuiApplication::platformName()));
    printDrag("Profile, Cut List and 3D Preview shown", timeDragSteps(profile, document.model()));
    showDocks(frame, true, false);
    printDrag("Profile and Cut List shown", timeDragSteps(profile, document.model()));
    showDocks(frame, false, false);
    printDrag("only the Profile panel", timeDragSteps(profile, document.model()));
    showDocks(frame, true, true);
    printDrag("Profile, Cut List and 3D Preview shown", timeDragSteps(profile, document.model()));
    return 0;
}
