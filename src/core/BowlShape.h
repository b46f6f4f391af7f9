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

}  // namespace corvane
