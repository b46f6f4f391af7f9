// Times a click on a segment, from the mouse press to the finished repaint,
// in the real main window at 1920 x 1080 with the largest design.
#include "Application.h"
#include "BowlModel.h"
#include "DesignView.h"
#include "MainWindow.h"

#include <QApplication>
#include <QTest>

#include <chrono>
#include <cstdio>

namespace {

QPoint segmentPoint(const corvane::BowlModel& model, int k) {
    const corvane::SegmentProp& segment = model.SegmentTable[k];
    return {model.CenterX + segment.SegmentCenter.x, model.CenterY + segment.SegmentCenter.y};
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    corvane::BowlModel& model = corvane::BowlModel::instance();
    model.Rows = 23;
    model.Segments = 89;
    model.ID = 2.0;
    model.OD = 10.5;
    corvane::Application app(model);
    app.InitInstance();
    corvane::MainWindow& frame = *app.mainWindow();
    frame.setGeometry(0, 0, 1920, 1080);
    if (!QTest::qWaitForWindowExposed(&frame)) {
        return 1;
    }
    QApplication::processEvents();
    corvane::DesignView& view = *frame.view();
    view.onParametersChanged();

    const int clicks = qEnvironmentVariableIntValue("CORVANE_BENCH_REPEATS") > 0
                           ? qEnvironmentVariableIntValue("CORVANE_BENCH_REPEATS")
                           : 100;
    const corvane::Argb woods[] = {0xFF8B4513u, 0xFFEFDDD4u};
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < clicks; ++i) {
        model.FillColor = woods[i % 2];  // a new colour each time, so every click fills
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, segmentPoint(model, 1 + i % 2047));
    }
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    std::printf(
        "click to finished repaint, largest design 23x89, view %dx%d: %.2f ms per click "
        "(%zu fills)\n",
        view.width(), view.height(), elapsed.count() / clicks, model.FillHistory.size());
    return 0;
}
