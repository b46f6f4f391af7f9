#include "RingSizes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace corvane {

namespace {

void cutSegments(RingSize& ring, int segments) {
    const double half = std::numbers::pi / segments;  // 180 degrees / N in radians
    ring.outerLength = 2.0 * ring.cutOuterRadius * std::tan(half);
    ring.innerLength = 2.0 * ring.cutInnerRadius * std::sin(half);
    ring.boardWidth = ring.cutOuterRadius - ring.cutInnerRadius * std::cos(half);
}

bool allFinite(const RingSize& ring) {
    for (const double value :
         {ring.outsideRadius, ring.insideRadius, ring.cutOuterRadius, ring.cutInnerRadius,
          ring.outerLength, ring.innerLength, ring.boardWidth}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<RingSize> ComputeRingSizes(const BowlProfile& profile, const std::vector<RowSpan>& rows,
                                       int segments, double allowance) {
    std::vector<RingSize> rings;
    rings.reserve(rows.size());
    for (const RowSpan& span : rows) {
        const BowlProfile::Extent extent = profile.extent(span.bottom, span.top);
        RingSize ring;
        ring.span = span;
        ring.outsideRadius = extent.maxOutside;
        ring.insideRadius = extent.minInside;
        ring.cutOuterRadius = extent.maxOutside + allowance;
        ring.cutInnerRadius = std::max(extent.minInside - allowance, 0.0);
        if (segments >= 1) {
            cutSegments(ring, segments);
        }
        rings.push_back(ring);
    }
    return rings;
}

LimitError CheckShape(const std::vector<RingSize>& rings) {
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const std::string row = "Row " + std::to_string(i + 1) + " has no wall: ";
        if (!allFinite(rings[i])) {
            return row + "its sizes cannot be computed.";
        }
        if (rings[i].insideRadius < 0.0) {
            return row + "the inside crosses the axis.";
        }
    }
    return std::nullopt;
}

}  // namespace corvane
