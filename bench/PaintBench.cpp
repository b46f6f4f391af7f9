// Times one full paint of the design view at 1920 x 1080, as the window
// does it (the kept picture painted anew), for the default design and the
// designs at the corners of what the table allows, every segment filled;
// each against the naive paint of the same design in the same run.
#include "BenchDesigns.h"
#include "BowlModel.h"
#include "DesignPicture.h"
#include "NaivePaint.h"

#include <QApplication>

#include <cstdio>

using namespace corvane;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QSize screen(1920, 1080);
    struct Design {
        const char* name;
        int rows, segments;
        double id, od;
        int naiveRepeats;
    };
    const Design designs[] = {
        {"default 8x24", 8, 24, 3.5, 8.1, 20}, {"23x89", 23, 89, 2.0, 10.5, 10},
        {"2047x1", 2047, 1, 3.5, 8.1, 2},      {"1x2047", 1, 2047, 3.5, 8.1, 3},
        {"45x45", 45, 45, 3.5, 8.1, 5},        {"23x89 at OD 20", 23, 89, 2.0, 20.0, 5},
    };
    for (const Design& d : designs) {
        BowlModel model = bench::FilledDesign(d.rows, d.segments, d.id, d.od);
        std::printf("%s, all filled, %dx%d:\n", d.name, screen.width(), screen.height());
        DesignPicture picture;
        picture.paintAll(model, screen, 1.0);  // the view keeps its picture's memory
        bench::PrintTimes("full paint", bench::TimeRuns(bench::RepeatsOr(30), [&] {
                              picture.paintAll(model, screen, 1.0);
                          }));
        bench::PrintTimes("naive QPainter paint",
                          bench::TimeRuns(bench::RepeatsOr(d.naiveRepeats),
                                          [&] { bench::NaivePaint(model, screen); }));
    }
    return 0;
}
