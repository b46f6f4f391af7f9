#include "BowlModel.h"
#include "NamedColorTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

constexpr Argb kMaple = 0xFFEFDDD4u;
constexpr Argb kTeak = 0xFFC19A6Bu;

int IndexOf(const BowlModel& model, int row, int position) {
    return (row - 1) * model.Segments + position;
}

TEST(BowlModel, FreshDesignIsBlankWithEmptyHistoryAndTallies) {
    BowlModel model;
    EXPECT_EQ(model.LastLiveIndex(), 192);
    for (int k = 0; k <= model.LastLiveIndex(); ++k) {
        EXPECT_EQ(model.SegmentTable[k].SegmentColor, kBlankColor);
        EXPECT_EQ(model.SegmentTable[k].SegmentColorName, "blank");
    }
    EXPECT_TRUE(model.FillHistory.empty());
    EXPECT_TRUE(model.RowTallies.empty());
    EXPECT_EQ(model.FillColor, 0xFF8B4513u);
}

TEST(BowlModel, LastLiveIndexStaysInsideTheTable) {
    struct Case {
        int rows, segments, expected;
    };
    for (const Case& c : std::vector<Case>{{8, 24, 192},
                                           {0, 24, 0},
                                           {-1, 24, 0},
                                           {-3, -2, 0},
                                           {24, -8, 0},
                                           {100, 100, 2047},
                                           {2147483647, 2147483647, 2047}}) {
        BowlModel model;
        model.Rows = c.rows;
        model.Segments = c.segments;
        EXPECT_EQ(model.LastLiveIndex(), c.expected) << c.rows << " x " << c.segments;
    }
}

struct GeometryCase {
    int pixelsPerInch, index;
    double inner, outer, left, right;
    IntPoint center;
};

TEST(BowlModelGeometry, DefaultDesignMatchesKnownSegments) {
    const std::vector<GeometryCase> cases = {
        {96, 0, 0.0, 168.0, 0.0, 360.0, {0, 0}},
        {96, 1, 168.0, 195.6, 0.0, 15.0, {180, 23}},
        {96, 24, 168.0, 195.6, 345.0, 360.0, {180, -23}},
        {96, 25, 195.6, 223.2, 7.5, 22.5, {202, 54}},
        {96, 48, 195.6, 223.2, 352.5, 367.5, {209, 0}},
        {96, 170, 361.2, 388.8, 22.5, 37.5, {324, 187}},
        {120, 0, 0.0, 210.0, 0.0, 360.0, {0, 0}},
        {120, 192, 451.5, 486.0, 352.5, 367.5, {468, 0}},
    };
    for (const GeometryCase& c : cases) {
        BowlModel model;
        model.ComputeGeometry(c.pixelsPerInch);
        const SegmentProp& s = model.SegmentTable[c.index];
        SCOPED_TRACE(testing::Message() << c.pixelsPerInch << " ppi, index " << c.index);
        EXPECT_DOUBLE_EQ(s.InnerRadius, c.inner);
        EXPECT_DOUBLE_EQ(s.OuterRadius, c.outer);
        EXPECT_DOUBLE_EQ(s.LeftAngle, c.left);
        EXPECT_DOUBLE_EQ(s.RightAngle, c.right);
        EXPECT_EQ(s.SegmentCenter, c.center);
    }
}

TEST(BowlModelGeometry, RowAndSectorNumbersFollowTheIndex) {
    BowlModel model;
    EXPECT_EQ(model.SegmentTable[0].SegmentRow, 0);
    EXPECT_EQ(model.SegmentTable[49].SegmentRow, 3);
    EXPECT_EQ(model.SegmentTable[49].SectorNumber, 1);
    EXPECT_EQ(model.SegmentTable[192].SegmentRow, 8);
    EXPECT_EQ(model.SegmentTable[192].SectorNumber, 24);
}

TEST(BowlModelGeometry, MissingRowsOrSegmentsWriteOnlyTheDisc) {
    for (const auto& [rows, segments] : std::vector<std::pair<int, int>>{{0, 24}, {8, 0}}) {
        BowlModel model;
        model.ResetAllSegments();
        model.Rows = rows;
        model.Segments = segments;
        model.ComputeGeometry(96);
        EXPECT_DOUBLE_EQ(model.SegmentTable[0].OuterRadius, 168.0);
        EXPECT_EQ(model.SegmentTable[1], SegmentProp{});
    }
}

TEST(BowlModelGeometry, OversizedDesignStopsAtTheLastRecord) {
    BowlModel model;
    model.FillSegment(3);
    const auto history = model.FillHistory;
    model.Rows = 100;
    model.ComputeGeometry(96);
    EXPECT_EQ(model.SegmentTable[2047].SegmentRow, 86);
    EXPECT_EQ(model.SegmentTable[2047].SectorNumber, 7);
    EXPECT_EQ(model.FillHistory, history);
    EXPECT_EQ(model.SegmentTable[3].SegmentColorName, "Walnut");
}

TEST(BowlModelTallies, CountsEveryRowInNameOrder) {
    BowlModel model;
    model.FillSegment(IndexOf(model, 3, 5));
    model.RecountRowTallies();
    ASSERT_EQ(model.RowTallies.size(), 9u);
    EXPECT_EQ(model.RowTallies[0], (ColorCounts{{"blank", 1}}));
    const ColorCounts& row3 = model.RowTallies[3];
    ASSERT_EQ(row3.size(), 2u);
    EXPECT_EQ(row3.begin()->first, "Walnut");
    EXPECT_EQ(row3, (ColorCounts{{"Walnut", 1}, {"blank", 23}}));
    EXPECT_EQ(model.RowTallies[8], (ColorCounts{{"blank", 24}}));
}

TEST(BowlModelTallies, CustomColoursShareOneCount) {
    BowlModel model;
    model.FillColor = 0xFF123456u;
    model.FillSegment(1);
    model.FillColor = 0xFF654321u;
    model.FillSegment(2);
    model.FillColor = 0xFF8B4513u;
    model.FillSegment(3);
    model.RecountRowTallies();
    const ColorCounts& row1 = model.RowTallies[1];
    EXPECT_EQ(row1.begin()->first, "Custom Colored Wood");
    EXPECT_EQ(row1, (ColorCounts{{"Custom Colored Wood", 2}, {"Walnut", 1}, {"blank", 21}}));
    EXPECT_NE(model.SegmentTable[1].SegmentColor, model.SegmentTable[2].SegmentColor);
}

TEST(BowlModelTallies, SegmentChangeKeepsColoursAndTalliesAtTheirIndices) {
    BowlModel model;
    model.FillSegment(30);
    model.RecountRowTallies();
    const RowTallyMap before = model.RowTallies;
    model.Segments = 12;
    model.ComputeGeometry(96);
    EXPECT_EQ(model.RowTallies, before);
    EXPECT_EQ(model.SegmentTable[30].SegmentColorName, "Walnut");
    EXPECT_EQ(model.SegmentTable[30].SegmentRow, 3);
}

TEST(BowlModelHistory, RefillRecordsThePreviousColourAndUndoRestoresIt) {
    BowlModel model;
    model.FillColor = kMaple;
    model.FillSegment(7);
    model.FillColor = kTeak;
    model.FillSegment(7);
    EXPECT_EQ(model.FillHistory.back(), (FillHistoryEntry{7, kMaple}));
    EXPECT_EQ(model.SegmentTable[7].SegmentColorName, "Teak");

    EXPECT_EQ(model.UndoLastFill(), 7);
    EXPECT_EQ(model.SegmentTable[7].SegmentColor, kMaple);
    EXPECT_EQ(model.SegmentTable[7].SegmentColorName, "Maple");
    EXPECT_EQ(model.UndoLastFill(), 7);
    EXPECT_EQ(model.SegmentTable[7].SegmentColorName, "blank");
    EXPECT_EQ(model.UndoLastFill(), std::nullopt);
    EXPECT_EQ(model.FillColor, kTeak);
}

TEST(BowlModelHistory, UndoNamesTheColourFromTheTable) {
    BowlModel model;
    model.SegmentTable[5].SegmentColor = 0xFF123456u;
    model.SegmentTable[5].SegmentColorName = "Zebrawood";
    model.FillSegment(5);
    model.UndoLastFill();
    EXPECT_EQ(model.SegmentTable[5].SegmentColor, 0xFF123456u);
    EXPECT_EQ(model.SegmentTable[5].SegmentColorName, "Custom Colored Wood");
}

TEST(BowlModelHistory, UndoBeyondTheLiveRangeChangesOnlyThatRecord) {
    BowlModel model;
    model.FillSegment(150);
    model.Rows = 4;
    model.RecountRowTallies();
    const RowTallyMap before = model.RowTallies;
    EXPECT_EQ(model.UndoLastFill(), 150);
    EXPECT_EQ(model.SegmentTable[150].SegmentColorName, "blank");
    model.RecountRowTallies();
    EXPECT_EQ(model.RowTallies, before);
}

TEST(BowlModelHistory, EntriesOutsideTheTableAreIgnored) {
    BowlModel model;
    model.FillSegment(2048);
    model.FillSegment(-1);
    EXPECT_TRUE(model.FillHistory.empty());
    model.FillHistory.push_back({5000, kMaple});
    EXPECT_EQ(model.UndoLastFill(), std::nullopt);
    EXPECT_TRUE(model.FillHistory.empty());
}

// A cleared fill must not come back when the rows grow again.
TEST(BowlModelHistory, ClearBlanksEveryRecordOfTheTable) {
    BowlModel model;
    model.FillSegment(10);
    model.FillSegment(150);
    model.FillSegment(2047);
    model.Rows = 4;
    model.ClearAllSegmentColors();
    EXPECT_TRUE(model.FillHistory.empty());
    EXPECT_EQ(model.UndoLastFill(), std::nullopt);
    EXPECT_EQ(model.RowTallies[1], (ColorCounts{{"blank", 24}}));
    for (const SegmentProp& segment : model.SegmentTable) {
        EXPECT_EQ(segment.SegmentColor, kBlankColor);
        EXPECT_EQ(segment.SegmentColorName, "blank");
    }
}

TEST(BowlModelHistory, BatchUndoStopsWhenTheHistoryRunsOut) {
    BowlModel model;
    for (int k : {4, 9, 4}) {
        model.FillSegment(k);
    }
    EXPECT_EQ(model.UndoFills(2), (std::vector<int>{4, 9}));
    EXPECT_EQ(model.SegmentTable[4].SegmentColorName, "Walnut");
    EXPECT_EQ(model.UndoFills(100), (std::vector<int>{4}));
    EXPECT_EQ(model.SegmentTable[4].SegmentColorName, "blank");
    EXPECT_TRUE(model.UndoFills(5).empty());
}

}  // namespace
}  // namespace corvane
