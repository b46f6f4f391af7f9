#pragma once

#include "BowlModel.h"
#include "CutList.h"
#include "DesignLimits.h"
#include "JobRequest.h"

#include <QSize>
#include <QString>

#include <optional>

namespace corvane {

class CommandLineOptions;

// Reading the values of options. Each gives nothing, after printing what
// was wrong, when the value cannot be used.

// Pictures beyond these would take gigabytes (the picture is painted in
// several layers of this size) and could not be allocated on most machines;
// the side's limit is the core's.
inline constexpr qint64 kMaxPicturePixels = 256'000'000;

// --size: WIDTHxHEIGHT within the caps above.
std::optional<QSize> PictureSizeValue(const QString& text);

// --scale: a factor above 0 and up to 10, or a percentage such as 90%.
std::optional<double> PrintScaleValue(const QString& text);

// --units: in or mm.
std::optional<LengthUnit> UnitValue(const QString& text);

// --kerf in unit, as inches: from 0 to 1 in.
std::optional<double> KerfValue(const QString& text, LengthUnit unit);
// --allowance in unit, as inches: from 0 to 1 in.
std::optional<double> AllowanceValue(const QString& text, LengthUnit unit);
// The design's shape with the ring height and wall thickness the command
// line gave in its place; a ring height given sets every row and the disc.
BowlModel ShapedAsAsked(const BowlModel& model, const JobRequest& request);
// Reads --ring-height and --wall-thickness into the request; false when one is unusable.
bool ShapeOverrides(const CommandLineOptions& options, LengthUnit unit, JobRequest& request);

// A length option in unit, as inches, or fallback when not given; read
// compares it with its limits in the unit it was given in.
std::optional<double> LengthValue(const CommandLineOptions& options, const QString& name,
                                  LengthUnit unit, double fallback,
                                  TypedLength (*read)(double typed, LengthUnit unit));

// Degrees within [low, high].
std::optional<double> AngleValue(const QString& name, const QString& text, double low, double high);

}  // namespace corvane
