#include "SegmentHitTest.h"

#include "DesignPlacement.h"

#include <gtest/gtest.h>

#include <cmath>
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

// A click is tested where the pointer is in the design, whatever the zoom
// and scroll: the middle of a record, mapped into the view, hits that record.
TEST(SegmentHitTest, ZoomedAndScrolledClicksHitTheSegmentUnderThePointer) {
    const BowlModel model = CenteredModel();
    const std::array<IntRect, 3> tallies = {IntRect{0, 0, 150, 800}, IntRect{}, IntRect{}};
    const int last = model.LastLiveIndex();
    for (double zoom : {0.5, 1.0, 2.0}) {
        for (const auto& [scrollX, scrollY] : std::vector<std::pair<int, int>>{{0, 0}, {90, -60}}) {
            ViewLayout layout = kLayout;
            layout.TallyRects = tallies;
            layout.Placement =
                PlaceDesign(model, 1000, 800, tallies, {false, zoom, scrollX, scrollY});
            int tested = 0;
            for (int k : {0, 1, 7, 42, 100, last - 5, last}) {
                const IntPoint middle = model.SegmentTable[k].SegmentCenter;
                const ViewPoint shown =
                    DesignToView(layout.Placement, 500 + middle.x, 400 + middle.y);
                const int x = static_cast<int>(std::lround(shown.x));
                const int y = static_cast<int>(std::lround(shown.y));
                if (x < 150 || x >= 1000 || y < 0 || y >= 800) {
                    continue;  // under the tallies or out of the view
                }
                ++tested;
                EXPECT_EQ(HitTestSegment(model, layout, x, y, kWhite), k)
                    << "zoom " << zoom << " scroll " << scrollX << " record " << k;
            }
            EXPECT_GE(tested, 3) << "zoom " << zoom;
        }
    }
}

// Fit shows the whole bowl as large as it goes in the room the tallies
// leave, with a margin; true scale stands in the middle of the window.
TEST(DesignPlacement, FitUsesTheRoomBesideTheTallies) {
    const BowlModel model = CenteredModel();
    const double extent = DesignExtent(model);
    struct FitCase {
        int width, height, left, right;  // tally columns at the left and right edges
    };
    for (const FitCase& c : std::vector<FitCase>{{1000, 760, 150, 0},
                                                 {1366, 600, 120, 130},
                                                 {600, 600, 0, 0},
                                                 {400, 1000, 100, 0},
                                                 {3000, 2000, 150, 0}}) {
        const std::array<IntRect, 3> tallies = {IntRect{0, 0, c.left, c.height},
                                                IntRect{c.width - c.right, 0, c.width, c.height},
                                                IntRect{}};
        const ViewPlacement fit = PlaceDesign(model, c.width, c.height, tallies, {.fit = true});
        const ViewPoint centre = DesignToView(fit, c.width / 2, c.height / 2);
        const double reach = extent * fit.zoom;
        const double room =
            std::min(double(c.width - c.left - c.right), double(c.height)) - 2.0 * kFitMargin;
        EXPECT_NEAR(2.0 * reach, room, 1e-6) << c.width << "x" << c.height;
        EXPECT_GE(centre.x - reach, c.left + kFitMargin - 1.0);
        EXPECT_LE(centre.x + reach, c.width - c.right - kFitMargin + 1.0);
        EXPECT_GE(centre.y - reach, kFitMargin - 1.0);
        EXPECT_LE(centre.y + reach, c.height - kFitMargin + 1.0);
        EXPECT_EQ(fit.scrollRangeX, 0);
        EXPECT_EQ(fit.scrollRangeY, 0);

        const ViewPlacement actual = PlaceDesign(model, c.width, c.height, tallies, {});
        if (2.0 * (extent + kFitMargin) <= std::min(c.width, c.height)) {
            EXPECT_EQ(actual, ViewPlacement{}) << "true scale, in the middle as always";
        } else {
            EXPECT_GT(actual.scrollRangeX + actual.scrollRangeY, 0) << "a larger bowl scrolls";
        }
    }
}

// Zooming about a point keeps the design point under it; a scroll never
// takes the bowl's edge further in than the view's.
TEST(DesignPlacement, ZoomKeepsThePointUnderThePointerAndScrollsStayInRange) {
    const BowlModel model = CenteredModel();
    const std::array<IntRect, 3> tallies = {IntRect{0, 0, 150, 700}, IntRect{}, IntRect{}};
    const ViewPlacement before = PlaceDesign(model, 1000, 700, tallies, {.fit = true});
    const ViewPoint kept = ViewToDesign(before, 700, 250);
    const ViewPlacement after =
        PlaceDesign(model, 1000, 700, tallies, ZoomAbout(1000, 700, before, 3.0, 700, 250));
    const ViewPoint moved = DesignToView(after, kept.x, kept.y);
    EXPECT_DOUBLE_EQ(after.zoom, 3.0);
    EXPECT_NEAR(moved.x, 700.0, 1.0);
    EXPECT_NEAR(moved.y, 250.0, 1.0);

    const ViewPlacement far = PlaceDesign(model, 1000, 700, tallies, {false, 3.0, 100000, -100000});
    EXPECT_EQ(far.scrollX, far.scrollRangeX);
    EXPECT_EQ(far.scrollY, -far.scrollRangeY);
    const ViewPoint centre = DesignToView(far, 500, 350);
    EXPECT_NEAR(centre.x + DesignExtent(model) * 3.0, 1000.0 - kFitMargin, 1.0);
    EXPECT_NEAR(centre.y - DesignExtent(model) * 3.0, kFitMargin, 1.0);
    EXPECT_EQ(PlaceDesign(model, 1000, 700, tallies, {false, 1e9, 0, 0}).zoom, kMaxZoom);
    EXPECT_EQ(PlaceDesign(model, 1000, 700, tallies, {false, NAN, 0, 0}).zoom, 1.0);
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
