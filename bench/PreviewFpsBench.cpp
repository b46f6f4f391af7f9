// Frames per second of the 3D preview at 1000 x 700 while the bowl turns,
// on whatever OpenGL the display has (under Xvfb: Mesa's software renderer).
// Reference, in the same run: the same engine and window with no bowl.
// Run under a display, e.g. scripts/with-xvfb.sh.
#include "BenchDesigns.h"
#include "BowlMesh.h"
#include "BowlRendererLoader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

constexpr int kSeconds = 5;

// Turns the bowl a little after every frame and counts the frames.
double framesPerSecond(const corvane::BowlMesh* mesh, bool glueLines = false) {
    corvane::BowlRendererLoader::Result started = corvane::BowlRendererLoader::create();
    if (started.renderer == nullptr) {
        std::fprintf(stderr, "%s\n", qPrintable(started.error));
        return 0.0;
    }
    corvane::BowlRenderer& renderer = *started.renderer;
    QWidget window;
    window.resize(1000, 700);
    QWidget* scene = renderer.createWidget(&window);
    scene->setGeometry(0, 0, 1000, 700);
    renderer.setGlueLines(glueLines);
    if (mesh != nullptr) {
        corvane::BowlRendererLoader::showMesh(renderer, *mesh);
    }
    window.show();
    int frames = 0;
    QElapsedTimer clock;
    QEventLoop loop;
    QTimer next;
    next.setSingleShot(true);
    next.setInterval(0);
    // frameSwapped comes from the render thread: the timer brings it back here.
    QObject::connect(renderer.window(), SIGNAL(frameSwapped()), &next, SLOT(start()));
    QObject::connect(&next, &QTimer::timeout, [&] {
        if (frames++ == 0) {
            clock.start();
        } else if (clock.elapsed() >= kSeconds * 1000) {
            loop.quit();
            return;
        }
        renderer.setCamera(renderer.azimuth() + 1, renderer.elevation(), 1);
    });
    QTimer::singleShot(6 * kSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (frames - 1) * 1000.0 / double(clock.elapsed());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::printf("3D preview at 1000x700, %d s each, on %s\n", kSeconds,
                qPrintable(QGuiApplication::platformName()));
    std::printf("reference, no bowl:           %6.1f frames/s\n", framesPerSecond(nullptr));
    const corvane::BowlMesh standard =
        corvane::BuildBowlMesh(corvane::bench::FilledDesign(8, 24), {});
    std::printf("default design (8 x 24):      %6.1f frames/s\n", framesPerSecond(&standard));
    // Glue lines, and a curved profile, measured in the same run.
    std::printf("8 x 24 with glue lines:       %6.1f frames/s\n", framesPerSecond(&standard, true));
    const corvane::BowlMesh largest =
        corvane::BuildBowlMesh(corvane::bench::FilledDesign(23, 89), {});
    std::printf("largest table (23 x 89):      %6.1f frames/s\n", framesPerSecond(&largest));
    std::printf("23 x 89 with glue lines:      %6.1f frames/s\n", framesPerSecond(&largest, true));
    corvane::BowlModel shaped = corvane::bench::FilledDesign(23, 89);
    shaped.Shape.profile = {{0.0, 0.0}, {1.3, 0.5}, {1.0, 1.0}};
    const corvane::BowlMesh bellied = corvane::BuildBowlMesh(shaped, shaped.Shape);
    std::printf("23 x 89, bellied:             %6.1f frames/s\n", framesPerSecond(&bellied));
    std::printf("23 x 89, bellied, glue lines: %6.1f frames/s\n", framesPerSecond(&bellied, true));
    const corvane::BowlMesh tallest =
        corvane::BuildBowlMesh(corvane::bench::FilledDesign(2047, 1), {});
    std::printf("largest table (2047 x 1):     %6.1f frames/s\n", framesPerSecond(&tallest));
    std::printf("2047 x 1 with glue lines:     %6.1f frames/s\n", framesPerSecond(&tallest, true));
    return 0;
}
