// Times one full paint of the design view, off-screen, as the window does it.
#include "BowlModel.h"
#include "DesignRenderer.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

namespace {

// CORVANE_BENCH_REPEATS overrides the repeat counts, e.g. for a short run
// under valgrind, which counts instructions instead of timing.
int repeatsOr(int fallback) {
    const int asked = qEnvironmentVariableIntValue("CORVANE_BENCH_REPEATS");
    return asked > 0 ? asked : fallback;
}

double millisecondsPerPaint(corvane::BowlModel& model, QSize size, int repeats) {
    repeats = repeatsOr(repeats);
    corvane::DesignRenderer::render(model, size);  // warm up fonts and caches
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) {
        corvane::DesignRenderer::render(model, size);
    }
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / repeats;
}

void fillAll(corvane::BowlModel& model) {
    const corvane::Argb woods[] = {0xFF8B4513u, 0xFFEFDDD4u, 0xFF68315Bu, 0xFFC19A6Bu};
    for (int k = 0; k <= model.LastLiveIndex(); ++k) {
        model.FillColor = woods[k % 4];
        model.FillSegment(k);
    }
    model.RecountRowTallies();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QSize screen(1920, 1080);

    corvane::BowlModel standard;
    standard.ComputeGeometry(96);
    std::printf("default design 8x24 at 1920x1080: %.2f ms per paint\n",
                millisecondsPerPaint(standard, screen, 50));

    corvane::BowlModel largest;
    largest.Rows = 23;
    largest.Segments = 89;
    largest.ID = 2.0;
    largest.OD = 10.5;
    largest.ComputeGeometry(96);
    std::printf("largest design 23x89 (blank) at 1920x1080: %.2f ms per paint\n",
                millisecondsPerPaint(largest, screen, 20));
    fillAll(largest);
    std::printf("largest design 23x89 (all filled) at 1920x1080: %.2f ms per paint\n",
                millisecondsPerPaint(largest, screen, 20));
    return 0;
}
