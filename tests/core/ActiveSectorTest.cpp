#include "ActiveSector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace corvane {
namespace {

BowlModel SymmetricModel(int segments, int sectors, int rows = 8) {
    BowlModel model;
    model.Segments = segments;
    model.Rows = rows;
    model.SymmetrySectors = sectors;
    model.ComputeGeometry(96);
    return model;
}

std::vector<int> HistoryIndices(const BowlModel& model) {
    std::vector<int> indices;
    for (const FillHistoryEntry& entry : model.FillHistory) {
        indices.push_back(entry.SegmentIndex);
    }
    return indices;
}

std::vector<int> Click(BowlModel& model, int k) {
    model.FillSegment(k);
    FillSymmetric(model, ComputeActiveSector(model), k);
    return HistoryIndices(model);
}

struct SectorCase {
    int segments, rows, sectors;
    float start, end, outerStart, outerEnd;
};

TEST(ActiveSector, AnglesSitAroundTheTop) {
    const std::vector<SectorCase> cases = {
        {24, 8, 2, 180, 360, 172.5f, 352.5f}, {24, 8, 3, 210, 330, 202.5f, 322.5f},
        {24, 8, 4, 225, 315, 217.5f, 307.5f}, {24, 8, 6, 240, 300, 232.5f, 292.5f},
        {24, 8, 8, 240, 285, 232.5f, 277.5f}, {24, 8, 12, 255, 285, 247.5f, 277.5f},
        {10, 8, 2, 216, 36, 198, 18},         {24, 7, 4, 225, 315, 225, 315},
    };
    for (const SectorCase& c : cases) {
        const SectorAngles sector =
            ComputeActiveSector(SymmetricModel(c.segments, c.sectors, c.rows));
        SCOPED_TRACE(testing::Message() << c.segments << "/" << c.rows << "/" << c.sectors);
        EXPECT_FLOAT_EQ(sector.SectorStartAngle, c.start);
        EXPECT_FLOAT_EQ(sector.SectorEndAngle, c.end);
        EXPECT_FLOAT_EQ(sector.OuterSectorStartAngle, c.outerStart);
        EXPECT_FLOAT_EQ(sector.OuterSectorEndAngle, c.outerEnd);
    }
}

TEST(ActiveSector, AcceptedSectorCountsDivideTheRow) {
    std::vector<int> accepted;
    for (int sectors = -24; sectors <= 30; ++sectors) {
        if (IsAcceptableSectorCount(sectors, 24)) {
            accepted.push_back(sectors);
        }
    }
    EXPECT_EQ(accepted, (std::vector<int>{2, 3, 4, 6, 8, 12}));
    EXPECT_FALSE(IsAcceptableSectorCount(2, 1));
    EXPECT_FALSE(IsAcceptableSectorCount(2, 0));
    EXPECT_TRUE(IsAcceptableSectorCount(7, 2023));
}

// A running mode survives a segment count that still splits evenly, even
// into sectors of one segment, and ends otherwise.
TEST(ActiveSector, RunningSectorsFitOnlyEvenSplits) {
    for (const auto& [segments, fits] : std::vector<std::pair<int, bool>>{
             {24, true}, {12, true}, {4, true}, {10, false}, {3, false}, {0, false}, {-8, false}}) {
        EXPECT_EQ(SectorsFitSegments(4, segments), fits) << segments;
    }
    EXPECT_FALSE(SectorsFitSegments(0, 24));
}

TEST(ActiveSector, UnusableCountsGiveNoSector) {
    for (const auto& [segments, sectors] : std::vector<std::pair<int, int>>{{0, 4}, {24, 0}}) {
        BowlModel model;
        model.Segments = segments;
        model.SymmetrySectors = sectors;
        EXPECT_EQ(ComputeActiveSector(model), SectorAngles{});
        EXPECT_TRUE(ComputeSectorOutline(model, {500, 400}).endEdge.empty());
    }
}

TEST(SymmetricFill, FourSectorsCopyAroundTheRowInOrder) {
    BowlModel model = SymmetricModel(24, 4);
    EXPECT_EQ(Click(model, 65), (std::vector<int>{65, 71, 53, 59}));
    EXPECT_EQ(model.SegmentTable[53].SegmentColorName, "Walnut");

    BowlModel outside = SymmetricModel(24, 4);
    EXPECT_EQ(Click(outside, 63), (std::vector<int>{63}));
}

TEST(SymmetricFill, SectorWrappingPast360) {
    BowlModel oddRow = SymmetricModel(10, 2);
    EXPECT_EQ(Click(oddRow, 1), (std::vector<int>{1, 6}));
    BowlModel evenRow = SymmetricModel(10, 2);
    EXPECT_EQ(Click(evenRow, 20), (std::vector<int>{20, 15}));
    EXPECT_FALSE(IsInActiveSector(evenRow, ComputeActiveSector(evenRow), 3));
    EXPECT_FALSE(IsInActiveSector(evenRow, ComputeActiveSector(evenRow), 0));
}

TEST(SymmetricFill, StepIsTruncatedAfterSegmentsChange) {
    BowlModel model = SymmetricModel(20, 3);  // 6 per sector
    EXPECT_EQ(FillSymmetricCopies(model, 1), (std::vector<int>{7, 13}));

    BowlModel few = SymmetricModel(3, 4);  // step 0: every copy is the clicked segment
    EXPECT_EQ(FillSymmetricCopies(few, 2), (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(few.FillHistory.size(), 3u);

    BowlModel off = SymmetricModel(24, 1);
    EXPECT_TRUE(FillSymmetricCopies(off, 65).empty());
}

TEST(SymmetricFill, CopiesBeyondTheTableAreSkipped) {
    BowlModel model = SymmetricModel(24, 4, 90);  // record 2047 is position 7 of row 86
    EXPECT_EQ(FillSymmetricCopies(model, 2047), (std::vector<int>{2041}));
}

float Radius(IntPoint centre, PointF p) {
    return std::hypot(p.x - static_cast<float>(centre.x), p.y - static_cast<float>(centre.y));
}

TEST(SectorOutline, EdgesRunFromTheDiscToTheOuterCircle) {
    const BowlModel model = SymmetricModel(24, 4);
    const IntPoint centre{500, 400};
    const SectorOutline outline = ComputeSectorOutline(model, centre);
    EXPECT_EQ(outline.angles, ComputeActiveSector(model));
    for (const auto* edge : {&outline.endEdge, &outline.startEdge}) {
        ASSERT_EQ(edge->size(), 1u + 8u + 7u * 10u);
        EXPECT_NEAR(Radius(centre, edge->front()), 168.0f, 0.01f);
        EXPECT_NEAR(Radius(centre, edge->back()), 388.8f, 0.01f);
    }
    // The end edge leaves the disc at 315 degrees, up and to the right.
    EXPECT_GT(outline.endEdge.front().x, 500.0f);
    EXPECT_LT(outline.endEdge.front().y, 400.0f);
    EXPECT_NEAR(outline.innerArc.radius, 168.0f, 0.01f);
    EXPECT_NEAR(outline.outerArc.radius, 388.8f, 0.01f);
    EXPECT_FLOAT_EQ(outline.innerArc.startAngle, 225.0f);
    EXPECT_FLOAT_EQ(outline.outerArc.startAngle, 217.5f);
    EXPECT_FLOAT_EQ(outline.outerArc.sweepAngle, 90.0f);
}

float DegreesAroundOrigin(PointF p) {
    return std::atan2(p.y, p.x) * 180.0f / 3.14159265f + 360.0f;
}

TEST(SectorOutline, EdgesAlternateBetweenTheTwoRowOffsets) {
    const SectorOutline outline = ComputeSectorOutline(SymmetricModel(24, 4), {0, 0});
    // Each row adds its radial point and ten chord points along its outer circle.
    const struct {
        std::size_t index;
        float degrees, radius;
    } expected[] = {{11, 307.5f, 195.6f}, {22, 315.0f, 223.2f}, {78, 307.5f, 388.8f}};
    for (const auto& e : expected) {
        const PointF p = outline.endEdge[e.index];
        EXPECT_NEAR(DegreesAroundOrigin(p), e.degrees, 0.01f) << e.index;
        EXPECT_NEAR(Radius({0, 0}, p), e.radius, 0.01f) << e.index;
    }
}

}  // namespace
}  // namespace corvane
