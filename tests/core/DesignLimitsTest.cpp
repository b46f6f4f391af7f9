#include "DesignLimits.h"

#include "SegmentProp.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace corvane {
namespace {

TEST(DesignLimits, TableFitAllowsAtMost2047LiveSegments) {
    struct Case {
        int rows, segments;
        bool fits;
    };
    for (const Case& c : std::vector<Case>{{8, 24, true},
                                           {89, 23, true},
                                           {2047, 1, true},
                                           {0, 1000000, true},
                                           {-5, 100, true},
                                           {2048, 1, false},
                                           {64, 32, false},
                                           {-50, -50, false},
                                           {-1, -1, false},
                                           {INT_MAX, INT_MAX, false}}) {
        EXPECT_EQ(!CheckTableFits(c.rows, c.segments), c.fits) << c.rows << " x " << c.segments;
    }
    EXPECT_EQ(*CheckTableFits(100, 100),
              "Rows x Segments must be at most 2047 (the segment table holds 2048 records).");
    EXPECT_EQ(*CheckTableFits(-3, -4), "Rows and Segments must not both be negative.");
}

TEST(DesignLimits, DiametersMustBeFiniteAndModest) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double ok : {0.0, 3.5, -2.0, 10000.0, -10000.0}) {
        EXPECT_FALSE(CheckDiameter("OD", ok)) << ok;
    }
    for (double bad : {nan, inf, -inf, 10000.5, 1e300}) {
        const LimitError error = CheckDiameter("OD", bad);
        ASSERT_TRUE(error) << bad;
        EXPECT_NE(error->find("OD"), std::string::npos);
        EXPECT_NE(error->find("10000"), std::string::npos);
    }
    EXPECT_TRUE(CheckFileDesign(nan, 8.1, 8, 24));
    EXPECT_TRUE(CheckFileDesign(3.5, 8.1, 100, 24));
    EXPECT_FALSE(CheckFileDesign(9.0, 8.1, 0, 24));  // a file may hold an unusual design
}

TEST(DesignLimits, ParametersBoxNamesTheBrokenLimit) {
    struct Case {
        double id, od;
        int rows, segments, fontSize;
        const char* mentions;  // nullptr: accepted
    };
    const std::vector<Case> cases = {
        {3.5, 8.1, 8, 24, 12, nullptr},   {0.0, 0.1, 2047, 1, 144, nullptr},
        {3.5, 8.1, 0, 24, 12, "Rows"},    {3.5, 8.1, 8, 0, 12, "Segments"},
        {3.5, 8.1, 90, 24, 12, "2047"},   {-1.0, 8.1, 8, 24, 12, "negative"},
        {8.1, 8.1, 8, 24, 12, "smaller"}, {3.5, 2e4, 8, 24, 12, "10000"},
        {3.5, 8.1, 8, 24, 0, "Font"},     {3.5, 8.1, 8, 24, 145, "144"},
    };
    for (const Case& c : cases) {
        const LimitError error = CheckBoxDesign(c.id, c.od, c.rows, c.segments, c.fontSize);
        if (c.mentions == nullptr) {
            EXPECT_FALSE(error) << *error;
        } else {
            ASSERT_TRUE(error) << c.mentions;
            EXPECT_NE(error->find(c.mentions), std::string::npos) << *error;
        }
    }
}

// A record is drawn only when its numbers can be drawn: angles within a
// million degrees and radii within 10^12 pixels, both finite.
TEST(DesignLimits, RecordsBeyondWhatCanBeDrawnAreUnusable) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double inner, outer, left, right;
        bool usable;
    };
    for (const Case& c : std::vector<Case>{{168.0, 195.6, 0.0, 15.0, true},
                                           {0.0, 168.0, 0.0, 360.0, true},
                                           {-50.0, 1e10, -720.0, 1e6, true},
                                           {0.0, 1e12, -1e6, 0.0, true},
                                           {-1e12, 0.0, 0.0, 0.0, true},
                                           {168.0, 195.6, 6e307, 15.0, false},
                                           {168.0, 195.6, 0.0, -1.000001e6, false},
                                           {168.0, 195.6, nan, 15.0, false},
                                           {168.0, 195.6, 0.0, inf, false},
                                           {168.0, 1.01e12, 0.0, 15.0, false},
                                           {-2e12, 195.6, 0.0, 15.0, false},
                                           {nan, 195.6, 0.0, 15.0, false},
                                           {168.0, -inf, 0.0, 15.0, false}}) {
        SegmentProp record;
        record.InnerRadius = c.inner;
        record.OuterRadius = c.outer;
        record.LeftAngle = c.left;
        record.RightAngle = c.right;
        EXPECT_EQ(IsUsableRecord(record), c.usable)
            << c.inner << " " << c.outer << " " << c.left << " " << c.right;
    }
}

TEST(DesignLimits, TruncToIntSaturates) {
    const std::vector<std::pair<double, int>> cases = {
        {2.9, 2},
        {-2.9, -2},
        {1e12, INT_MAX},
        {-1e12, INT_MIN},
        {2147483647.5, INT_MAX},
        {std::nan(""), 0},
        {std::numeric_limits<double>::infinity(), INT_MAX},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(TruncToInt(value), expected) << value;
    }
}

}  // namespace
}  // namespace corvane
