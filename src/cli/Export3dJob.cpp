#include "Export3dJob.h"

#include "BowlMesh.h"
#include "BowlRendererLoader.h"
#include "CommandLineOptions.h"
#include "ImageFile.h"
#include "OptionValues.h"
#include "OutputFile.h"
#include "PrintError.h"

#include <QImage>

namespace corvane {

namespace {

// Multisampled pictures beyond this take more memory than a shop PC has.
constexpr int kMax3dSide = 4096;

std::optional<double> optionalAngle(const CommandLineOptions& options, const QString& name,
                                    double low, double high, bool& usable) {
    if (!options.isSet(name)) {
        return std::nullopt;
    }
    const std::optional<double> degrees = AngleValue(name, options.value(name), low, high);
    usable = usable && degrees;
    return degrees;
}

bool checkSize(const CommandLineOptions& options, JobRequest& request) {
    const std::optional<QSize> size = PictureSizeValue(options.value(QStringLiteral("size")));
    if (!size) {
        return false;
    }
    if (size->width() > kMax3dSide || size->height() > kMax3dSide) {
        PrintError(QStringLiteral("--size for --export-3d is at most %1x%1.").arg(kMax3dSide));
        return false;
    }
    request.size = *size;
    return true;
}

bool checkShape(const CommandLineOptions& options, JobRequest& request) {
    const std::optional<LengthUnit> unit = UnitValue(options.value(QStringLiteral("units")));
    if (!unit) {
        return false;
    }
    request.unit = *unit;
    return ShapeOverrides(options, *unit, request);
}

bool checkExport3d(const CommandLineOptions& options, JobRequest& request) {
    request.output = options.value(QStringLiteral("export-3d"));
    request.imageFormat = ImageOutputFormat(request.output);
    bool usable = !request.imageFormat.isEmpty();
    usable = checkSize(options, request) && usable;
    usable = checkShape(options, request) && usable;
    request.azimuth = optionalAngle(options, QStringLiteral("azimuth"), -3600.0, 3600.0, usable);
    request.elevation = optionalAngle(options, QStringLiteral("elevation"), -90.0, 90.0, usable);
    return usable;
}

ExitCode runExport3d(const JobRequest& request, BowlModel& model) {
    BowlRendererLoader::Result started = BowlRendererLoader::create();
    if (started.renderer == nullptr) {
        PrintError(started.error);
        return ExitCode::Failed;
    }
    BowlRenderer& renderer = *started.renderer;
    const BowlModel shaped = ShapedAsAsked(model, request);
    BowlRendererLoader::showMesh(renderer, BuildBowlMesh(shaped, shaped.Shape));
    renderer.setCamera(request.azimuth.value_or(renderer.azimuth()),
                       request.elevation.value_or(renderer.elevation()), 1.0);
    const QImage picture = renderer.grab(request.size);
    if (picture.isNull()) {
        PrintError(QStringLiteral("could not draw in 3D: OpenGL did not start."));
        return ExitCode::Failed;
    }
    const AtomicFileWriter::Result saved = SaveImage(picture, request.output, request.imageFormat);
    return ExitAfterSave(saved);
}

}  // namespace

Job Export3dJob() {
    Job job;
    job.option = QStringLiteral("export-3d");
    job.options = {QStringLiteral("size"),        QStringLiteral("azimuth"),
                   QStringLiteral("elevation"),   QStringLiteral("units"),
                   QStringLiteral("ring-height"), QStringLiteral("wall-thickness")};
    job.platform = JobPlatform::Display;
    job.needsDisplay = QStringLiteral(
        "--export-3d needs a display with OpenGL; on a machine without one, run it under "
        "xvfb-run.");
    job.check = checkExport3d;
    job.run = runExport3d;
    return job;
}

}  // namespace corvane
