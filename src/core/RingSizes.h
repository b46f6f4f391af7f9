#pragma once

#include "BowlProfile.h"
#include "DesignLimits.h"

#include <vector>

namespace corvane {

// Where a row lies: heights from the underside of the disc, in inches.
struct RowSpan {
    double bottom = 0.0;
    double top = 0.0;
};

// One ring as it is turned and as it is cut. The turned ring reaches out to
// the widest outside and in to the narrowest inside over its height; it is
// cut with the turning allowance on both sides: the outer flats of its
// segments at the outer cut radius, their inner corners at the inner one.
struct RingSize {
    RowSpan span;
    double outsideRadius = 0.0;   // turned
    double insideRadius = 0.0;    // turned; below 0 where the wall reaches the axis
    double cutOuterRadius = 0.0;  // outsideRadius + allowance
    double cutInnerRadius = 0.0;  // insideRadius - allowance, never below 0
    // Of one segment; 0 without segments.
    double outerLength = 0.0;
    double innerLength = 0.0;
    double boardWidth = 0.0;
};

// One entry per row span, in order.
std::vector<RingSize> ComputeRingSizes(const BowlProfile& profile, const std::vector<RowSpan>& rows,
                                       int segments, double allowance);

// A shape whose inside wall crosses the axis, or whose sizes are no numbers,
// leaves a ring without wood to turn: refused with a message naming the
// first such row (rows count from 1).
LimitError CheckShape(const std::vector<RingSize>& rings);

}  // namespace corvane
