#pragma once

#include "BowlModel.h"

#include <optional>

namespace corvane {

// Maps a click at client point (x, y) to a record index, or nothing.
// shownColor is the colour the view shows at that point (alpha ignored).
std::optional<int> HitTestSegment(const BowlModel& model, int x, int y, Argb shownColor);

// Client rectangle enclosing record k with a 2-pixel margin.
IntRect SegmentUpdateRect(const BowlModel& model, int k);

// The square that encloses the centre disc.
IntRect CenterDiscRect(const BowlModel& model);

}  // namespace corvane
