#pragma once

#include "BowlShape.h"
#include "CutList.h"

#include <QCommandLineOption>
#include <QSize>

#include <optional>

class QCommandLineParser;

namespace corvane {

class BowlModel;

// The command line's options for the bowl's third dimension: the ring
// height of the cut list, and the 3D picture that the "3D Preview" shows.
struct ShapeOptions {
    QCommandLineOption export3d{
        QStringLiteral("export-3d"),
        QStringLiteral("Render the bowl in 3D as the 3D Preview shows it to an image file (PNG, "
                       "JPG or BMP by extension). Needs a display with OpenGL; on a machine "
                       "without one, run it under xvfb-run."),
        QStringLiteral("file")};
    QCommandLineOption azimuth{
        QStringLiteral("azimuth"),
        QStringLiteral("Degrees the --export-3d camera stands around the bowl (default 35)."),
        QStringLiteral("DEG")};
    QCommandLineOption elevation{
        QStringLiteral("elevation"),
        QStringLiteral("Degrees the --export-3d camera stands above the rim's plane, from -90 "
                       "to 90 (default 30)."),
        QStringLiteral("DEG")};
    QCommandLineOption ringHeight{
        QStringLiteral("ring-height"),
        QStringLiteral("Height of every ring (and of the disc) in the chosen units, for "
                       "--cut-list and --export-3d (default 0.75 in)."),
        QStringLiteral("H")};
    QCommandLineOption wallThickness{
        QStringLiteral("wall-thickness"),
        QStringLiteral("Wall thickness in the chosen units for --export-3d (default 0.25 in)."),
        QStringLiteral("T")};
};

void AddShapeOptions(QCommandLineParser& parser, const ShapeOptions& options);

// False, with a message, when --export-3d is asked for where nothing can
// be drawn in 3D (no display); checked before the application starts.
bool CanExport3d(int argc, char** argv);

// The --units value; nothing, with a message, when it is neither in nor mm.
std::optional<LengthUnit> UnitOption(const QString& text);

// The ring height and wall thickness given (in unit) or their defaults;
// nothing, with a message, when a value is beyond its limits.
std::optional<BowlShape> ShapeOption(const QCommandLineParser& parser, const ShapeOptions& options,
                                     LengthUnit unit);

// Draws the design in 3D and saves the picture; the exit code.
int Export3d(const QCommandLineParser& parser, const ShapeOptions& options, const BowlModel& model,
             const BowlShape& shape, QSize size);

}  // namespace corvane
