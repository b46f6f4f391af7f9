#pragma once

#include <optional>
#include <string>

namespace corvane {

// Limits that keep every record inside the segment table and every pixel
// coordinate inside an int.
inline constexpr double kMaxDiameterInches = 10000.0;
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 144;

// A message naming the limit, or nothing when the value is acceptable.
using LimitError = std::optional<std::string>;

// Rows * Segments must fit the table. A count below 1 leaves the design
// without rings, but two negative counts are refused: their product would
// look like a design.
LimitError CheckTableFits(int rows, int segments);
// Finite and small enough for pixel coordinates.
LimitError CheckDiameter(const char* name, double inches);
// What a design file must satisfy to be opened.
LimitError CheckFileDesign(double id, double od, int rows, int segments);
// What the parameters box accepts into the live design.
LimitError CheckBoxDesign(double id, double od, int rows, int segments, int fontSize);

// Saturating conversion toward zero; NaN gives 0. Used wherever a double
// becomes a pixel coordinate.
int TruncToInt(double value);

}  // namespace corvane
