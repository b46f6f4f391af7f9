// Times, in the real main window at 1920 x 1080, a click on a segment from
// the mouse press to the finished repaint at several zooms, a zoom step and
// a fit, and "Undo Last 100 Fills" in symmetry mode; each against the naive
// full paint of the same design.
#include "ActiveSector.h"
#include "Application.h"
#include "BenchDesigns.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignDocument.h"
#include "DesignPlacement.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "NaivePaint.h"

#include <QApplication>
#include <QTest>

#include <cmath>
#include <cstdio>

using namespace corvane;

namespace {

QPoint segmentPoint(DesignView& view, int k) {
    const SegmentProp& segment = view.document().model().SegmentTable[k];
    const ViewLayout& layout = view.layout();
    const ViewPoint point = DesignToView(layout.Placement, layout.CenterX + segment.SegmentCenter.x,
                                         layout.CenterY + segment.SegmentCenter.y);
    return {static_cast<int>(std::lround(point.x)), static_cast<int>(std::lround(point.y))};
}

void useDesign(DesignView& view, int rows, int segments, double id, double od) {
    BowlModel design = bench::FilledDesign(rows, segments, id, od);
    design.PixelsPerInch = 96;
    design.ComputeGeometry(design.PixelsPerInch);
    view.document().replaceBy(design);
}

void naiveReference(DesignView& view) {
    bench::PrintTimes("naive QPainter paint", bench::TimeRuns(bench::RepeatsOr(5), [&] {
                          bench::NaivePaint(view.model(), view.size());
                      }));
}

// Every click fills: the colour changes from one click to the next. Clicks
// on points the zoom takes out of the view, or under the tallies, are not counted.
void timeClicks(DesignView& view, const char* what, double zoom) {
    view.document().clearAll();  // so that the same clicks fill again
    view.setZoomRequest({false, zoom, 0, 0});
    QApplication::processEvents();
    view.paintIfStale();
    const BowlModel& model = view.model();
    std::printf("%s at zoom %.2f, view %dx%d:\n", what, zoom, view.width(), view.height());

    const Argb woods[] = {0xFF8B4513u, 0xFFEFDDD4u};
    const int last = model.LastLiveIndex();
    std::vector<double> times;
    // Only clicks that fill count: a centre point on a joint of the narrow
    // inner rows shows black and is refused.
    for (int i = 0; i < bench::RepeatsOr(300); ++i) {
        view.document().setFillColor(woods[i % 2]);
        const int k = 1 + (i * 37) % last;
        const QPoint point = segmentPoint(view, k);
        if (!view.rect().contains(point)) {
            continue;
        }
        const std::size_t before = model.FillHistory.size();
        const double ms = bench::TimeRuns(1, [&] {
                              QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, point);
                          }).front();
        if (model.FillHistory.size() > before) {
            times.push_back(ms);
        }
    }
    bench::PrintTimes("click to finished repaint", times);
    naiveReference(view);
}

// A zoom step and a fit each paint the whole view anew.
void timeZoomSteps(MainWindow& frame, DesignView& view) {
    std::printf("Zoom In / Zoom to Fit, largest design 23x89 (OD 10.5), view %dx%d:\n",
                view.width(), view.height());
    std::vector<double> steps;
    std::vector<double> fits;
    for (int run = 0; run < bench::RepeatsOr(30); ++run) {
        steps.push_back(bench::TimeRuns(1, [&] { frame.runCommand(cmd::ZoomIn); }).front());
        fits.push_back(bench::TimeRuns(1, [&] { frame.runCommand(cmd::ZoomToFit); }).front());
    }
    bench::PrintTimes("zoom step", steps);
    bench::PrintTimes("fit", fits);
    naiveReference(view);
}

void timeUndo100InSymmetryMode(MainWindow& frame, DesignView& view) {
    useDesign(view, 23, 88, 2.0, 10.5);
    view.document().setSymmetrySectors(4);
    const BowlModel& model = view.model();
    std::printf("Undo Last 100 Fills, 23x88 in 4 sectors, view %dx%d:\n", view.width(),
                view.height());
    std::vector<int> inSector;
    for (int k = 1; k <= model.LastLiveIndex(); ++k) {
        if (IsInActiveSector(model, view.layout().Sector, k)) {
            inSector.push_back(k);
        }
    }
    std::vector<double> times;
    for (int run = 0; run < bench::RepeatsOr(20); ++run) {
        view.document().setFillColor(run % 2 ? 0xFF8B4513u : 0xFFEFDDD4u);
        for (int c = 0; c < 25; ++c) {  // 25 clicks of 4 fills each
            const int k = inSector[(run * 25 + c) % inSector.size()];
            QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, segmentPoint(view, k));
        }
        const std::vector<double> one =
            bench::TimeRuns(1, [&] { frame.runCommand(cmd::UndoLast100); });
        times.push_back(one.front());
    }
    bench::PrintTimes("Undo Last 100 Fills", times);
    naiveReference(view);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    DesignDocument document;
    Application app(document);
    MainWindow* shown = bench::ShowFullHdWindow(app);
    if (shown == nullptr) {
        return 1;
    }
    MainWindow& frame = *shown;
    QApplication::processEvents();
    DesignView& view = *frame.view();
    useDesign(view, 23, 89, 2.0, 10.5);
    for (double zoom : {0.5, 1.0, 2.0}) {
        timeClicks(view, "Click, largest design 23x89 (OD 10.5)", zoom);
    }
    timeZoomSteps(frame, view);
    view.setZoomRequest({});
    timeUndo100InSymmetryMode(frame, view);
    return 0;
}
