#include "PrintPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace corvane {
namespace {

struct SizeCase {
    int width;
    int height;
    double scale;
    int printedWidth;
    int printedHeight;
};

class PrintedSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PrintedSize, StretchesBy624TimesTheScaleAndTruncates) {
    const SizeCase& c = GetParam();
    const PrintPlacement placement = ComputePrintPlacement(c.width, c.height, c.scale, 0, 0);
    EXPECT_EQ(placement.width, c.printedWidth);
    EXPECT_EQ(placement.height, c.printedHeight);
}

INSTANTIATE_TEST_SUITE_P(
    ScaleCommands, PrintedSize,
    ::testing::Values(SizeCase{800, 600, 1.0, 4992, 3744}, SizeCase{800, 600, 0.9, 4492, 3369},
                      SizeCase{800, 600, 2.0, 9984, 7488}, SizeCase{1000, 700, 1.05, 6552, 4586},
                      SizeCase{1000, 700, 1.1, 6864, 4804}, SizeCase{1, 1, 0.95, 5, 5},
                      // 425 x (6.24 x 1.5) would give 3977.9999999999995
                      SizeCase{425, 425, 1.5, 3978, 3978}, SizeCase{0, 0, 1.5, 0, 0}));

struct OffsetCase {
    int printable;
    int picture;  // screen pixels, at 100 %
    int offset;
};

class CentredOffset : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(CentredOffset, HalvesTheDifferenceTruncatingTowardZero) {
    const OffsetCase& c = GetParam();
    const PrintPlacement placement =
        ComputePrintPlacement(c.picture, c.picture, 1.0, c.printable, c.printable);
    EXPECT_EQ(placement.x, c.offset);
    EXPECT_EQ(placement.y, c.offset);
}

INSTANTIATE_TEST_SUITE_P(Offsets, CentredOffset,
                         ::testing::Values(OffsetCase{4961, 800, -15},  // -31 / 2
                                           OffsetCase{4993, 800, 0},    // 1 / 2
                                           OffsetCase{5000, 800, 4}, OffsetCase{4992, 800, 0},
                                           OffsetCase{0, 800, -2496}, OffsetCase{6600, 500, 1740}));

TEST(PrintPlacement, WidthAndHeightAreIndependent) {
    EXPECT_EQ(ComputePrintPlacement(800, 600, 1.0, 4961, 7016),
              (PrintPlacement{-15, 1636, 4992, 3744}));
}

TEST(PrintPlacement, AHugeScaleSaturatesWithoutOverflow) {
    const PrintPlacement placement = ComputePrintPlacement(20000, 20000, 1e300, 4961, 7016);
    EXPECT_EQ(placement.width, INT_MAX);
    EXPECT_EQ(placement.x, static_cast<int>((4961LL - INT_MAX) / 2));
}

}  // namespace
}  // namespace corvane
