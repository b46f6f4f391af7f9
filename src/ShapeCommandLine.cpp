#include "ShapeCommandLine.h"

#include "BowlMesh.h"
#include "BowlRendererLoader.h"
#include "ImageFile.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QImage>

#include <cmath>
#include <cstdio>

namespace corvane {

namespace {

// Multisampled pictures beyond this take more memory than a shop PC has.
constexpr int kMax3dSide = 4096;

void printError(const QString& text) {
    std::fprintf(stderr, "corvane: %s\n", text.toLocal8Bit().constData());
}

std::optional<double> lengthOption(const QCommandLineParser& parser,
                                   const QCommandLineOption& option, LengthUnit unit,
                                   double fallback,
                                   TypedLength (*read)(double typed, LengthUnit unit)) {
    if (!parser.isSet(option)) {
        return fallback;
    }
    bool ok = false;
    const double typed = parser.value(option).toDouble(&ok);
    const TypedLength length = ok ? read(typed, unit) : TypedLength{0.0, "Enter a number."};
    const LimitError& error = length.error;
    if (error) {
        printError(QStringLiteral("--%1 \"%2\": %3")
                       .arg(option.names().constFirst(), parser.value(option),
                            QString::fromStdString(*error)));
        return std::nullopt;
    }
    return length.inches;
}

// Degrees within [low, high], or the renderer's own view when not given.
std::optional<double> angleOption(const QCommandLineParser& parser,
                                  const QCommandLineOption& option, double fallback, double low,
                                  double high) {
    if (!parser.isSet(option)) {
        return fallback;
    }
    bool ok = false;
    const double degrees = parser.value(option).toDouble(&ok);
    if (!ok || !(degrees >= low && degrees <= high)) {
        printError(QStringLiteral("--%1 wants degrees from %2 to %3, got \"%4\".")
                       .arg(option.names().constFirst())
                       .arg(low)
                       .arg(high)
                       .arg(parser.value(option)));
        return std::nullopt;
    }
    return degrees;
}

}  // namespace

void AddShapeOptions(QCommandLineParser& parser, const ShapeOptions& options) {
    parser.addOptions({options.export3d, options.azimuth, options.elevation, options.ringHeight,
                       options.wallThickness});
}

// Without a display the application could not even start; the offscreen
// platform starts, but draws nothing in 3D (the loader says so).
bool CanExport3d(int argc, char** argv) {
    bool wanted = false;
    for (int i = 1; i < argc; ++i) {
        wanted = wanted || QByteArray(argv[i]).startsWith("--export-3d");
    }
    if (!wanted || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return true;
    }
    printError(
        QStringLiteral("--export-3d needs a display with OpenGL; on a machine without "
                       "one, run it under xvfb-run."));
    return false;
}

std::optional<LengthUnit> UnitOption(const QString& text) {
    if (text == QLatin1String("in")) {
        return LengthUnit::Inches;
    }
    if (text == QLatin1String("mm")) {
        return LengthUnit::Millimetres;
    }
    printError(QStringLiteral("--units wants in or mm, got \"%1\".").arg(text));
    return std::nullopt;
}

std::optional<BowlShape> ShapeOption(const QCommandLineParser& parser, const ShapeOptions& options,
                                     LengthUnit unit) {
    const std::optional<double> ringHeight =
        lengthOption(parser, options.ringHeight, unit, kDefaultRingHeightInches, ReadRingHeight);
    const std::optional<double> wallThickness = lengthOption(
        parser, options.wallThickness, unit, kDefaultWallThicknessInches, ReadWallThickness);
    if (!ringHeight || !wallThickness) {
        return std::nullopt;
    }
    return BowlShape{*ringHeight, *wallThickness};
}

int Export3d(const QCommandLineParser& parser, const ShapeOptions& options, const BowlModel& model,
             const BowlShape& shape, QSize size) {
    const QString path = parser.value(options.export3d);
    const QByteArray format = ImageFormatForPath(path);
    if (format.isEmpty()) {
        printError(QStringLiteral("cannot tell the image format of \"%1\": use .png, .jpg or .bmp.")
                       .arg(path));
        return 2;
    }
    if (size.width() > kMax3dSide || size.height() > kMax3dSide) {
        printError(QStringLiteral("--size for --export-3d is at most %1x%1.").arg(kMax3dSide));
        return 2;
    }
    BowlRendererLoader::Result started = BowlRendererLoader::create();
    if (started.renderer == nullptr) {
        printError(started.error);
        return 1;
    }
    BowlRenderer& renderer = *started.renderer;
    const std::optional<double> azimuth =
        angleOption(parser, options.azimuth, renderer.azimuth(), -3600.0, 3600.0);
    const std::optional<double> elevation =
        angleOption(parser, options.elevation, renderer.elevation(), -90.0, 90.0);
    if (!azimuth || !elevation) {
        return 2;
    }
    BowlRendererLoader::showMesh(renderer, BuildBowlMesh(model, shape));
    renderer.setCamera(*azimuth, *elevation, 1.0);
    const QImage picture = renderer.grab(size);
    if (picture.isNull()) {
        printError(QStringLiteral("could not draw in 3D: OpenGL did not start."));
        return 1;
    }
    const AtomicFileWriter::Result saved = SaveImage(picture, path, format);
    if (!saved.ok) {
        printError(saved.message);
        return 1;
    }
    return 0;
}

}  // namespace corvane
