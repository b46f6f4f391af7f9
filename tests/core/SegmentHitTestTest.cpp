#include "SegmentHitTest.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

constexpr Argb kWhite = 0xFFFFFFFFu;

BowlModel CenteredModel() {
    return BowlModel();
}

// A view of 1000 x 800 pixels puts the bowl centre here.
const ViewLayout kLayout = [] {
    ViewLayout layout;
    layout.CenterX = 500;
    layout.CenterY = 400;
    return layout;
}();

struct HitCase {
    int dx, dy;
    std::optional<int> expected;
};

TEST(SegmentHitTest, MapsClicksByRadiusThenNearestCentre) {
    BowlModel model = CenteredModel();
    const std::vector<HitCase> cases = {
        {0, 0, 0},
        {168, 0, 0},    // exactly on the disc circle
        {-23, 178, 7},  // row 1, 97.5 degrees
        {0, -210, 42},  // row 2, straight up: 262.5..277.5 degrees
        {389, 0, std::nullopt},
        {275, 275, std::nullopt},  // beyond OD on the diagonal
    };
    for (const HitCase& c : cases) {
        EXPECT_EQ(HitTestSegment(model, kLayout, 500 + c.dx, 400 + c.dy, kWhite), c.expected)
            << c.dx << ", " << c.dy;
    }
}

// The tally columns are painted over the rings: what lies under them is not hit.
TEST(SegmentHitTest, ClicksOnTallyColumnsHitNothing) {
    BowlModel model = CenteredModel();
    ViewLayout layout = kLayout;
    layout.TallyRects = {IntRect{0, 0, 150, 777}, IntRect{850, 0, 1000, 777}, IntRect{}};
    EXPECT_EQ(HitTestSegment(model, layout, 149, 400, kWhite), std::nullopt);
    EXPECT_EQ(HitTestSegment(model, layout, 850, 400, kWhite), std::nullopt);
    EXPECT_EQ(HitTestSegment(model, layout, 150, 400, kWhite), 156);  // just right of the column
    EXPECT_EQ(HitTestSegment(model, layout, 849, 400, kWhite), 145);
    EXPECT_EQ(HitTestSegment(model, layout, 500, 400, kWhite), 0);
}

TEST(SegmentHitTest, RowBorderGoesToInnerRowAndTiesToLowestIndex) {
    BowlModel model = CenteredModel();
    model.ID = 2.0;
    model.OD = 4.0;
    model.Rows = 2;
    model.ComputeGeometry(96);
    // Radius 144 is the border of rows 1 and 2; segments 1 and 24 of row 1 lie
    // mirrored about the click, so their distances are equal.
    EXPECT_EQ(HitTestSegment(model, kLayout, 644, 400, kWhite), 1);
    EXPECT_EQ(HitTestSegment(model, kLayout, 645, 400, kWhite), 48);
}

TEST(SegmentHitTest, PixelsShowingFillColourOrBlackAreRefused) {
    BowlModel model = CenteredModel();
    EXPECT_EQ(HitTestSegment(model, kLayout, 680, 420, 0x008B4513u), std::nullopt);
    EXPECT_EQ(HitTestSegment(model, kLayout, 680, 420, 0x12000000u), std::nullopt);
    EXPECT_EQ(HitTestSegment(model, kLayout, 680, 420, 0xFF8B4514u), 1);
    model.FillColor = 0x00123456u;  // the fill colour's alpha does not matter either
    EXPECT_EQ(HitTestSegment(model, kLayout, 680, 420, 0xFF123456u), std::nullopt);
}

TEST(SegmentHitTest, DesignsWithoutRingsHitOnlyTheDisc) {
    for (const auto& [rows, segments] : std::vector<std::pair<int, int>>{{0, 24}, {8, 0}}) {
        BowlModel model = CenteredModel();
        model.Rows = rows;
        model.Segments = segments;
        EXPECT_EQ(HitTestSegment(model, kLayout, 500, 400, kWhite), 0);
        EXPECT_EQ(HitTestSegment(model, kLayout, 680, 420, kWhite), std::nullopt);
    }
}

// A record that cannot be drawn cannot be clicked either, not even by way
// of its nearest neighbour.
TEST(SegmentHitTest, UnusableRecordsAreNotHit) {
    BowlModel model = CenteredModel();
    model.SegmentTable[7].LeftAngle = 6e307;
    model.SegmentTable[0].OuterRadius = 1e13;
    EXPECT_EQ(HitTestSegment(model, kLayout, 500 - 23, 400 + 178, kWhite), std::nullopt);
    EXPECT_EQ(HitTestSegment(model, kLayout, 500, 400, kWhite), std::nullopt);
    EXPECT_EQ(HitTestSegment(model, kLayout, 500, 400 - 210, kWhite), 42);
}

TEST(SegmentHitTest, UpdateRectsEncloseSegmentAndDisc) {
    BowlModel model = CenteredModel();
    // Row 1, 0..15 degrees: the 0-degree end pushes the right edge out to the outer radius.
    EXPECT_EQ(SegmentUpdateRect(model, kLayout, 1), (IntRect{660, 398, 698, 453}));
    // Row 2, 352.5..367.5 degrees: the span crosses 0 degrees.
    const IntRect crossing = SegmentUpdateRect(model, kLayout, 48);
    EXPECT_EQ(crossing.right, 500 + 224 + 2);
    EXPECT_EQ(SegmentUpdateRect(model, kLayout, 0), (IntRect{330, 230, 670, 570}));
    EXPECT_EQ(CenterDiscRect(model, kLayout), (IntRect{332, 232, 668, 568}));
    EXPECT_TRUE(SegmentUpdateRect(model, kLayout, 2048).IsEmpty());
}

}  // namespace
}  // namespace corvane
