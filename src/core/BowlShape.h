#pragma once

#include "BowlProfile.h"
#include "DesignLimits.h"

#include <map>
#include <vector>

namespace corvane {

// What the plan does not say about the bowl: how tall the disc and every
// ring are, how thick the turned wall is, and the outside's profile.
// Lengths are in inches like the rest of the model.

inline constexpr double kDefaultRingHeightInches = 0.75;
inline constexpr double kDefaultWallThicknessInches = 0.25;
// Thicker than any board a lathe takes; larger values only come from typing.
inline constexpr double kMaxRingHeightInches = 6.0;
inline constexpr double kMaxWallThicknessInches = 6.0;

// The profile is kept relative to its frame, so that it stretches with the
// design by itself: a point's radius runs from 0 at ID/2 to 1 at OD/2 and its
// height from 0 at the floor (the disc's top) to 1 at the rim (the top of
// the last row). The first point is always (0, 0) and the last (1, 1);
// heights increase strictly. The two points alone are the straight cone.
struct BowlShape {
    BowlShape() = default;
    BowlShape(double ringHeight, double wallThickness)
        : ringHeight(ringHeight), wallThickness(wallThickness) {}

    double ringHeight = kDefaultRingHeightInches;  // the disc, and every row without its own
    double wallThickness = kDefaultWallThicknessInches;
    std::map<int, double> rowHeights;  // row (from 1) -> its own height
    std::vector<ProfilePoint> profile = StraightProfile();

    static std::vector<ProfilePoint> StraightProfile() { return {{0.0, 0.0}, {1.0, 1.0}}; }
    bool IsStraight() const { return profile == StraightProfile(); }
    double RowHeight(int row) const;

    friend bool operator==(const BowlShape&, const BowlShape&) = default;
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
TypedLength ReadRowHeight(double typed, LengthUnit unit);
// A profile point's radius or height: from 0 to half the largest diameter.
TypedLength ReadProfileRadius(double typed, LengthUnit unit);
TypedLength ReadProfileHeight(double typed, LengthUnit unit);

// Profiles to start from, in the shape's own terms.
enum class StartingShape { StraightWall, Bowl, ClosedForm };
std::vector<ProfilePoint> StartingProfile(StartingShape shape);

}  // namespace corvane
