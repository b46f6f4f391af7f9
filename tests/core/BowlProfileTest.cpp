#include "BowlProfile.h"
#include "RingSizes.h"
#include "ShapeFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace corvane;

namespace {

constexpr double kInch = 1e-3;  // what the cut list must hold to

// Worked out by hand: secants 1.5 and -0.4, so the middle point is flat; the
// low end's three-point slope is 2.45; the top end's, -1.35, is more than
// three times its secant against a turn, and so is cut to -1.2.
const std::vector<ProfilePoint> kBellied = {{2.0, 1.0}, {5.0, 3.0}, {4.2, 5.0}};
// A closed form: it widens from a 3 in floor to 9.2 in and closes to 7 in.
const std::vector<ProfilePoint> kClosed = {{1.5, 0.75}, {4.6, 3.0}, {3.5, 5.25}};

}  // namespace

TEST(BowlProfileTest, PassesThroughItsPointsAndBulgesNowhere) {
    const BowlProfile profile(kBellied, 0.25);
    for (const ProfilePoint& p : kBellied) {
        EXPECT_DOUBLE_EQ(profile.radius(p.height), p.radius);
    }
    EXPECT_NEAR(profile.slope(1.0), 2.45, 1e-12);
    EXPECT_NEAR(profile.slope(3.0), 0.0, 1e-12);
    EXPECT_NEAR(profile.slope(5.0), -1.2, 1e-12);
    EXPECT_NEAR(profile.radius(2.0), 4.1125, 1e-12);
    EXPECT_NEAR(profile.radius(4.0), 4.9, 1e-12);
    EXPECT_NEAR(profile.slope(4.0), -0.3, 1e-12);
    EXPECT_NEAR(profile.insideRadius(4.0), 4.9 - 0.25 * std::sqrt(1.09), 1e-12);
    for (double z = 1.0; z <= 5.0; z += 0.01) {
        EXPECT_LE(profile.radius(z), 5.0 + 1e-12) << z;
        EXPECT_GE(profile.radius(z), 2.0 - 1e-12) << z;
    }
    // Beyond its ends the curve keeps the end values.
    EXPECT_DOUBLE_EQ(profile.radius(0.0), 2.0);
    EXPECT_DOUBLE_EQ(profile.radius(9.0), 4.2);
    const BowlProfile::Extent extent = profile.extent(2.0, 4.0);
    EXPECT_NEAR(extent.maxOutside, 5.0, 1e-9);
    EXPECT_LT(extent.minInside, 4.1125 - 0.25);  // steeper than flat at z = 2
}

TEST(BowlProfileTest, TwoPointsAreTheStraightCone) {
    const BowlProfile profile({{1.75, 0.75}, {4.05, 6.75}}, 0.25);
    const double slope = 2.3 / 6.0;
    for (const double z : {0.75, 1.0, 3.75, 6.75}) {
        EXPECT_NEAR(profile.radius(z), 1.75 + slope * (z - 0.75), 1e-12) << z;
        EXPECT_NEAR(profile.slope(z), slope, 1e-12) << z;
        EXPECT_NEAR(profile.insideRadius(z), profile.radius(z) - 0.25 * std::hypot(1.0, slope),
                    1e-12);
    }
}

// Expected values from the formulas, evaluated on a grid of 200,000 steps
// per row by a separate calculation.
TEST(BowlProfileTest, RingSizesForStraightClosedAndTallerRows) {
    struct Case {
        const char* name;
        std::vector<ProfilePoint> points;
        RowSpan span;
        int segments;
        double outside, inside, outerLength, innerLength, boardWidth;
    };
    const double straightTall = 1.75 + 2.3 * 3.0 / 6.75;
    const double straightTallInside = 1.75 + 2.3 * 1.5 / 6.75 - 0.25 * std::hypot(1.0, 2.3 / 6.75);
    const double half = M_PI / 24;
    for (const Case& c : std::vector<Case>{
             {"straight row 1",
              {{1.75, 0.75}, {4.05, 6.75}},
              {0.75, 1.5},
              24,
              2.0375,
              1.482261269683895,
              0.569397052065487,
              0.3543162907591827,
              0.8168502886302089},
             {"straight, row 3 twice as tall",
              {{1.75, 0.75}, {4.05, 7.5}},
              {2.25, 3.75},
              24,
              straightTall,
              straightTallInside,
              2 * (straightTall + 0.125) * std::tan(half),
              2 * (straightTallInside - 0.125) * std::sin(half),
              straightTall + 0.125 - (straightTallInside - 0.125) * std::cos(half)},
             {"closed row 1",
              kClosed,
              {0.75, 1.5},
              12,
              3.0740740740740735,
              0.8704548034439094,
              1.714378629350979,
              0.38587580078887984,
              2.4790200270963605},
             {"closed at the belly",
              kClosed,
              {3.0, 3.75},
              12,
              4.6,
              4.297931965511185,
              2.5321198684741093,
              2.1600685331827796,
              0.6942572431655423},
             {"closed at the rim",
              kClosed,
              {4.5, 5.25},
              12,
              4.2592592592592595,
              3.065351014118008,
              2.3495174558543814,
              1.5220376834805025,
              1.5440982763674227},
         }) {
        const BowlProfile profile(c.points, 0.25);
        const std::vector<RingSize> rings = ComputeRingSizes(profile, {c.span}, c.segments, 0.125);
        ASSERT_EQ(rings.size(), 1u);
        const RingSize& ring = rings[0];
        EXPECT_NEAR(ring.outsideRadius, c.outside, kInch) << c.name;
        EXPECT_NEAR(ring.insideRadius, c.inside, kInch) << c.name;
        EXPECT_NEAR(ring.cutOuterRadius, c.outside + 0.125, kInch) << c.name;
        EXPECT_NEAR(ring.cutInnerRadius, c.inside - 0.125, kInch) << c.name;
        EXPECT_NEAR(ring.outerLength, c.outerLength, kInch) << c.name;
        EXPECT_NEAR(ring.innerLength, c.innerLength, kInch) << c.name;
        EXPECT_NEAR(ring.boardWidth, c.boardWidth, kInch) << c.name;
    }
}

TEST(BowlProfileTest, AWallThatReachesTheAxisIsRefusedNamingTheRow) {
    // The cut never reaches inside the axis, whatever the allowance.
    const BowlProfile thin({{1.0, 0.75}, {3.0, 2.25}}, 0.25);
    const std::vector<RingSize> rings = ComputeRingSizes(thin, {{0.75, 1.5}}, 8, 1.0);
    EXPECT_EQ(rings[0].cutInnerRadius, 0.0);
    EXPECT_NEAR(rings[0].boardWidth, rings[0].cutOuterRadius, 1e-12);
    EXPECT_EQ(CheckShape(rings), std::nullopt);

    // Closing in flat near the rim, the wall's horizontal thickness grows
    // past the radius in the top row only.
    const BowlProfile flatTop({{1.5, 0.75}, {4.0, 2.25}, {0.5, 2.4}}, 0.25);
    const std::vector<RingSize> threeRows =
        ComputeRingSizes(flatTop, {{0.75, 1.5}, {1.5, 2.25}, {2.25, 2.4}}, 8, 0.125);
    EXPECT_EQ(CheckShape(threeRows), "Row 3 has no wall: the inside crosses the axis.");

    const BowlProfile broken({{1.0, 0.75}, {NAN, 1.5}, {2.0, 2.25}}, 0.25);
    EXPECT_EQ(CheckShape(ComputeRingSizes(broken, {{0.75, 1.5}}, 8, 0.125)),
              "Row 1 has no wall: its sizes cannot be computed.");
}

// The profile is kept in its frame: it follows ID, OD, Rows and the heights
// by itself, and points given in inches are sorted and stretched into it.
TEST(BowlProfileTest, TheProfileStretchesWithTheDesign) {
    BowlModel model;  // ID 3.5, OD 8.1, 8 rows of 0.75 in: floor 0.75, rim 6.75
    EXPECT_EQ(PlacedProfile(model), (std::vector<ProfilePoint>{{1.75, 0.75}, {4.05, 6.75}}));
    model.Shape.profile = FitProfile(model, {{4.6, 4.75}, {2.0, 1.0}, {3.0, 2.0}, {9.0, 2.0}});
    // Sorted, the second point at height 2 left out, then from (2, 1)..(4.6, 4.75)
    // stretched onto (1.75, 0.75)..(4.05, 6.75).
    ASSERT_EQ(model.Shape.profile.size(), 3u);
    EXPECT_EQ(model.Shape.profile.front(), (ProfilePoint{0.0, 0.0}));
    EXPECT_EQ(model.Shape.profile.back(), (ProfilePoint{1.0, 1.0}));
    EXPECT_NEAR(model.Shape.profile[1].radius, 1.0 / 2.6, 1e-12);
    EXPECT_NEAR(model.Shape.profile[1].height, 1.0 / 3.75, 1e-12);

    model.OD = 10.1;
    model.Shape.rowHeights[8] = 1.5;
    EXPECT_DOUBLE_EQ(RimHeight(model), 7.5);
    EXPECT_EQ(RowSpansOf(model).back().bottom, 6.0);
    const std::vector<ProfilePoint> placed = PlacedProfile(model);
    EXPECT_NEAR(placed[1].radius, 1.75 + 3.3 / 2.6, 1e-12);
    EXPECT_NEAR(placed[1].height, 0.75 + 6.75 / 3.75, 1e-12);
    EXPECT_EQ(placed.back(), (ProfilePoint{5.05, 7.5}));

    EXPECT_EQ(FitProfile(model, {{1.0, 2.0}, {NAN, 3.0}}), BowlShape::StraightProfile());
    model.Rows = 0;  // no rows: the outside is the disc's edge
    EXPECT_DOUBLE_EQ(ProfileOf(model).radius(0.75), 1.75);
}
