#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

namespace corvane {
class Application;
class BowlModel;
class MainWindow;
}  // namespace corvane

namespace corvane::bench {

// The reference every timing is set against: the design painted the plain
// way, one QPainter call per shape (a wide flat-capped pen along each
// segment's arc, every ring circle and joint with the 3-pixel pen, the tally
// lines with drawText), anti-aliased, into a fresh image.
QImage NaivePaint(const BowlModel& model, QSize clientSize);

// Milliseconds of each of repeats runs of work.
std::vector<double> TimeRuns(int repeats, const std::function<void()>& work);

// "best a, median b, worst c ms".
void PrintTimes(const char* what, std::vector<double> times);

// CORVANE_BENCH_REPEATS overrides repeat counts, e.g. for a short run under
// valgrind, which counts instructions instead of timing.
int RepeatsOr(int fallback);

// The program's main window shown at 1920 x 1080, as the window benchmarks
// use it; nullptr when it never comes on the screen.
MainWindow* ShowFullHdWindow(Application& app);

}  // namespace corvane::bench
