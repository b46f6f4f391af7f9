#pragma once

#include "DesignLimits.h"

namespace corvane {

// What the plan does not say about the bowl: how tall every ring is and how
// thick the turned wall is. Both are settings of the program, never part of
// a design file; lengths are in inches like the rest of the model.

inline constexpr double kDefaultRingHeightInches = 0.75;
inline constexpr double kDefaultWallThicknessInches = 0.25;
// Thicker than any board a lathe takes; larger values only come from typing.
inline constexpr double kMaxRingHeightInches = 6.0;
inline constexpr double kMaxWallThicknessInches = 6.0;

struct BowlShape {
    double ringHeight = kDefaultRingHeightInches;
    double wallThickness = kDefaultWallThicknessInches;
};

// Above 0, finite and at most the maximum; a message naming the limit otherwise.
LimitError CheckRingHeight(double inches);
LimitError CheckWallThickness(double inches);

enum class LengthUnit;

// A length as it was typed, in inches or millimetres. The limit is compared
// in the unit of the typing, as the message shows it, so that 152.4 mm is
// the 6 in limit itself rather than a hair above it once divided by 25.4.
// The inches never exceed the limit, so that the checks above take them.
struct TypedLength {
    double inches = 0.0;
    LimitError error;  // set when the value is refused
};
TypedLength ReadRingHeight(double typed, LengthUnit unit);
TypedLength ReadWallThickness(double typed, LengthUnit unit);

}  // namespace corvane
