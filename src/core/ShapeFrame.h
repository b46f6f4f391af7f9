#pragma once

#include "BowlModel.h"
#include "BowlProfile.h"
#include "RingSizes.h"

#include <vector>

namespace corvane {

// The design's shape placed in inches. The frame of its profile runs from
// ID/2 to OD/2 and from the floor, the top of the disc, to the rim, the top
// of the last row; rows lie one above the other from the floor, each as tall
// as the shape says. Only the rows the table can hold are placed.

std::vector<RowSpan> RowSpansOf(const BowlModel& model);
double FloorHeight(const BowlModel& model);
double RimHeight(const BowlModel& model);

// The profile points in inches.
std::vector<ProfilePoint> PlacedProfile(const BowlModel& model);
// Points in inches, from a file or typed, made into the shape's own terms:
// sorted by height, a repeated height or a point that is not a number left
// out, then stretched so that the first point lies on the floor at ID/2 and
// the last on the rim at OD/2. Fewer than two points give the straight wall.
std::vector<ProfilePoint> FitProfile(const BowlModel& model, std::vector<ProfilePoint> inches);

BowlProfile ProfileOf(const BowlModel& model);
// Every row's ring, cut with the turning allowance given.
std::vector<RingSize> RingSizesOf(const BowlModel& model, double allowance);
// Whether the design's shape leaves every row a wall.
LimitError CheckShape(const BowlModel& model);

}  // namespace corvane
