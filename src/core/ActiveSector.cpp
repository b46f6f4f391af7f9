#include "ActiveSector.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace corvane {

namespace {

// The outline is placed with a five-digit pi, a hair off the full-precision
// joints; the 6-pixel pen hides the difference and outlines stay as users know them.
constexpr float kOutlinePi = 3.14159f;
constexpr int kChordsPerStep = 10;

float HalfSegmentAngle(int segments) {
    return (360.0f / static_cast<float>(segments)) * 0.5f;
}

bool CanComputeSector(const BowlModel& model) {
    return model.Segments >= 1 && model.SymmetrySectors >= 1;
}

// Segments before the first one of the sector in an odd row, so that the
// sector sits centred on the top of the bowl.
int HalfSectorLead(int segmentsPerSector) {
    if (segmentsPerSector % 2 == 0) {
        return segmentsPerSector / 2;
    }
    const int lead = (segmentsPerSector - 1) / 2;
    return lead % 2 == 1 ? lead + 1 : lead;
}

PointF PointAt(IntPoint centre, float degrees, double radius) {
    const float radians = degrees * kOutlinePi / 180.0f;
    const float r = static_cast<float>(radius);
    return {static_cast<float>(std::cos(static_cast<double>(radians))) * r +
                static_cast<float>(centre.x),
            static_cast<float>(std::sin(static_cast<double>(radians))) * r +
                static_cast<float>(centre.y)};
}

float DistanceFromCenter(IntPoint centre, PointF point) {
    const float dx = point.x - static_cast<float>(centre.x);
    const float dy = point.y - static_cast<float>(centre.y);
    return static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
}

struct EdgeLimits {
    float oddRowLimit;   // upper bound of the sideways step after an odd row
    float evenRowLimit;  // lower bound of the sideways step after an even row
};

// One side edge: radially through every row, with a sideways step of half a
// segment along the outer circle of each row but the last.
std::vector<PointF> SteppedEdge(const BowlModel& model, IntPoint centre, float theta,
                                EdgeLimits limits) {
    const float halfSegment = HalfSegmentAngle(model.Segments);
    std::vector<PointF> points{PointAt(centre, theta, model.SegmentTable[0].OuterRadius)};
    for (int r = 1; r <= model.Rows; ++r) {
        const std::int64_t lastOfRow = static_cast<std::int64_t>(r) * model.Segments;
        if (lastOfRow > kMaxLiveSegments) {
            break;
        }
        const double radius = model.SegmentTable[static_cast<std::size_t>(lastOfRow)].OuterRadius;
        points.push_back(PointAt(centre, theta, radius));
        if (r == model.Rows) {
            break;
        }
        float next = theta - halfSegment;
        next =
            (r % 2 == 1) ? std::min(next, limits.oddRowLimit) : std::max(next, limits.evenRowLimit);
        const float step = (next - theta) / static_cast<float>(kChordsPerStep);
        for (int i = 1; i <= kChordsPerStep; ++i) {
            points.push_back(PointAt(centre, theta + static_cast<float>(i) * step, radius));
        }
        theta = next;
    }
    return points;
}

std::int64_t CopyTarget(std::int64_t rowStart, std::int64_t position, int j, int step,
                        int segments) {
    return rowStart + (position - 1 + static_cast<std::int64_t>(j) * step) % segments + 1;
}

}  // namespace

bool IsAcceptableSectorCount(int sectors, int segments) {
    return sectors >= 2 && sectors < segments && segments % sectors == 0;
}

bool SectorsFitSegments(int sectors, int segments) {
    return sectors >= 1 && segments >= sectors && segments % sectors == 0;
}

SectorAngles ComputeActiveSector(const BowlModel& model) {
    SectorAngles sector;
    if (!CanComputeSector(model)) {
        return sector;
    }
    const int segments = model.Segments;
    const int perSector = segments / model.SymmetrySectors;
    const float angle = 360.0f / static_cast<float>(segments);
    // The segment nearest to the top of the bowl (270 degrees on screen).
    const int top = static_cast<int>(std::round(270.0 / static_cast<double>(angle))) % segments;
    const std::int64_t first =
        (static_cast<std::int64_t>(segments) - HalfSectorLead(perSector) + top) % segments;

    sector.SectorStartAngle = static_cast<float>(first) * angle;
    const float endProduct = static_cast<float>(perSector + first) * angle;
    const double end = std::fmod(static_cast<double>(endProduct), 360.0);
    sector.SectorEndAngle = end == 0.0 ? 360.0f : static_cast<float>(end);
    // An even outermost row is turned by half a segment.
    const float outerShift = (model.Rows % 2 == 0) ? HalfSegmentAngle(segments) : 0.0f;
    sector.OuterSectorStartAngle = sector.SectorStartAngle - outerShift;
    sector.OuterSectorEndAngle = sector.SectorEndAngle - outerShift;
    return sector;
}

bool IsInActiveSector(const BowlModel& model, const SectorAngles& sector, int k) {
    if (!BowlModel::IsTableIndex(k) || model.Segments < 1) {
        return false;
    }
    const SegmentProp& segment = model.SegmentTable[k];
    if (segment.SegmentRow < 1) {
        return false;
    }
    const double middle = (segment.LeftAngle + segment.RightAngle) * 0.5;
    float lo = sector.SectorStartAngle;
    float hi = sector.SectorEndAngle;
    if (segment.SegmentRow % 2 == 0) {
        const float halfSegment = 180.0f / static_cast<float>(model.Segments);
        lo -= halfSegment;
        hi -= halfSegment;
    }
    if (hi < lo) {
        // The sector wraps past 360 degrees.
        return middle >= lo || middle <= hi;
    }
    return lo <= middle && middle <= hi;
}

std::vector<int> FillSymmetricCopies(BowlModel& model, int k) {
    const int sectors = model.SymmetrySectors;
    const int segments = model.Segments;
    std::vector<int> filled;
    if (sectors < 2 || segments < 1 || !BowlModel::IsTableIndex(k) ||
        model.SegmentTable[k].SegmentRow < 1) {
        return filled;
    }
    // With fewer segments than sectors the step is 0 and every copy lands on k.
    const int step = segments / sectors;
    const std::int64_t rowStart = model.FirstRecordOf(model.SegmentTable[k].SegmentRow) - 1;
    const std::int64_t position = k - rowStart;
    for (int j = 1; j < sectors; ++j) {
        const std::int64_t target = CopyTarget(rowStart, position, j, step, segments);
        if (target < 0 || target > kMaxLiveSegments) {
            continue;
        }
        model.FillSegment(static_cast<int>(target));
        filled.push_back(static_cast<int>(target));
    }
    return filled;
}

std::vector<int> FillSymmetric(BowlModel& model, const SectorAngles& sector, int k) {
    if (!IsInActiveSector(model, sector, k)) {
        return {};
    }
    return FillSymmetricCopies(model, k);
}

SectorOutline ComputeSectorOutline(const BowlModel& model, IntPoint centre) {
    if (!CanComputeSector(model)) {
        return {};
    }
    SectorOutline outline;
    const SectorAngles a = ComputeActiveSector(model);
    outline.angles = a;
    outline.endEdge =
        SteppedEdge(model, centre, a.SectorEndAngle, {a.OuterSectorEndAngle, a.SectorEndAngle});
    outline.startEdge = SteppedEdge(model, centre, a.SectorStartAngle,
                                    {a.OuterSectorStartAngle, a.SectorStartAngle});
    const float sweep = std::fabs(a.SectorStartAngle - a.SectorEndAngle);
    outline.innerArc = {DistanceFromCenter(centre, outline.startEdge.front()), a.SectorStartAngle,
                        sweep};
    outline.outerArc = {DistanceFromCenter(centre, outline.startEdge.back()),
                        a.OuterSectorStartAngle, sweep};
    return outline;
}

}  // namespace corvane
