#pragma once

#include <optional>
#include <string>

namespace corvane {

struct SegmentProp;

// Limits that keep every record inside the segment table and every pixel
// coordinate inside an int.
inline constexpr double kMaxDiameterInches = 10000.0;
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 144;
// The longest side of a picture of the design, in pixels: beyond it the
// layers it is painted in would take gigabytes.
inline constexpr int kMaxPictureSide = 16384;
// A design file may hold any numbers in its records; beyond these a record
// cannot be drawn. An angle of 5.7e307 degrees overflows when it becomes
// radians, and far before that the steps along an arc vanish beside the
// angle itself, so that its polygon collapses; at a million degrees an angle
// still holds nine decimal places. A radius of 10^12
// pixels is two million times the largest any accepted design has (OD
// 10000 in at 96 pixels per inch is 480,000 pixels), radii far beyond the
// window are drawn cut to it, and in doubles it still places a ring circle
// to a ten-thousandth of a pixel.
inline constexpr double kMaxRecordAngleDegrees = 1e6;
inline constexpr double kMaxRecordRadiusPixels = 1e12;

// A message naming the limit, or nothing when the value is acceptable.
using LimitError = std::optional<std::string>;

// Rows * Segments must fit the table. A count below 1 leaves the design
// without rings, but two negative counts are refused: their product would
// look like a design.
LimitError CheckTableFits(int rows, int segments);
// Finite and small enough for pixel coordinates.
LimitError CheckDiameter(const char* name, double inches);
// ID at least 0 and below OD, as the parameters box wants them.
LimitError CheckDiameterOrder(double id, double od);
// What a design file must satisfy to be opened.
LimitError CheckFileDesign(double id, double od, int rows, int segments);
// What the parameters box accepts into the live design.
LimitError CheckBoxDesign(double id, double od, int rows, int segments, int fontSize);

// False when a record's angles or radii are beyond the limits above, or not
// numbers at all: such a record is neither drawn nor hit by a click.
bool IsUsableRecord(const SegmentProp& record);

// Saturating conversion toward zero; NaN gives 0. Used wherever a double
// becomes a pixel coordinate.
int TruncToInt(double value);

}  // namespace corvane
