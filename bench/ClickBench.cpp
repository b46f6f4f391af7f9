// Times, in the real main window at 1920 x 1080, a click on a segment from
// the mouse press to the finished repaint, and "Undo Last 100 Fills" in
// symmetry mode; each against the naive full paint of the same design.
#include "ActiveSector.h"
#include "Application.h"
#include "BenchDesigns.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignDocument.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "NaivePaint.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

using namespace corvane;

namespace {

QPoint segmentPoint(DesignView& view, int k) {
    const SegmentProp& segment = view.document().model().SegmentTable[k];
    return {view.layout().CenterX + segment.SegmentCenter.x,
            view.layout().CenterY + segment.SegmentCenter.y};
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

// Every click fills: the colour changes from one click to the next.
void timeClicks(DesignView& view, const char* what, int rows, int segments, double id, double od) {
    useDesign(view, rows, segments, id, od);
    const BowlModel& model = view.model();
    std::printf("%s, view %dx%d:\n", what, view.width(), view.height());
    const Argb woods[] = {0xFF8B4513u, 0xFFEFDDD4u};
    const int last = model.LastLiveIndex();
    std::vector<double> times;
    // Only clicks that fill count: a centre point on a joint of the narrow
    // inner rows shows black and is refused.
    for (int i = 0; i < bench::RepeatsOr(300); ++i) {
        view.document().setFillColor(woods[i % 2]);
        const int k = 1 + (i * 37) % last;
        const std::size_t before = model.FillHistory.size();
        const double ms =
            bench::TimeRuns(1, [&] {
                QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, segmentPoint(view, k));
            }).front();
        if (model.FillHistory.size() > before) {
            times.push_back(ms);
        }
    }
    bench::PrintTimes("click to finished repaint", times);
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
    app.showMainWindow();
    MainWindow& frame = *app.mainWindow();
    frame.setGeometry(0, 0, 1920, 1080);
    if (!QTest::qWaitForWindowExposed(&frame)) {
        return 1;
    }
    QApplication::processEvents();
    DesignView& view = *frame.view();
    timeClicks(view, "Click, largest design 23x89 (OD 10.5)", 23, 89, 2.0, 10.5);
    timeUndo100InSymmetryMode(frame, view);
    return 0;
}
