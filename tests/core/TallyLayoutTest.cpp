#include "TallyLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

// Every character is 7 pixels wide; "Ay" measures 15, so L = 18.
double FakeWidth(const std::string& text) {
    return 7.0 * static_cast<double>(text.size());
}
constexpr double kMeasuredHeight = 15.0;
constexpr int kLineHeight = 18;

TallyLayout Layout(const BowlModel& model, int width, int height,
                   double measured = kMeasuredHeight) {
    return ComputeTallyLayout(model, width, height, measured, FakeWidth, FakeWidth);
}

struct Placed {
    std::string text;
    int x, y;
};

void ExpectLines(const TallyLayout& layout, std::size_t first, const std::vector<Placed>& want) {
    ASSERT_GE(layout.lines.size(), first + want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const TallyLine& line = layout.lines[first + i];
        EXPECT_EQ(line.text, want[i].text) << "line " << first + i;
        EXPECT_EQ(line.x, want[i].x) << line.text;
        EXPECT_EQ(line.y, want[i].y) << line.text;
    }
}

TEST(TallyLayout, UncountedRowsShowBlankInOneColumn) {
    BowlModel model;
    const TallyLayout layout = Layout(model, 1000, 600);
    EXPECT_EQ(layout.lineHeight, kLineHeight);
    EXPECT_EQ(layout.usableHeight, 577);
    EXPECT_EQ(layout.linesPerColumn, 32);
    EXPECT_EQ(layout.columnWidth, 42 + 60);
    EXPECT_EQ(layout.rects[0], (IntRect{0, 0, 102, 577}));
    EXPECT_TRUE(layout.rects[1].IsEmpty());
    EXPECT_TRUE(layout.rects[2].IsEmpty());
    ASSERT_EQ(layout.lines.size(), 16u);
    ExpectLines(layout, 0, {{"Row 1:", 10, 0}, {" blank", 30, 18}, {"Row 2:", 10, 36}});
    ExpectLines(layout, 15, {{" blank", 30, 270}});
}

TEST(TallyLayout, ShortWindowFillsSecondThenThirdColumn) {
    BowlModel model;
    // N = 5: two rows of two lines per column, then the third column runs on below.
    const TallyLayout layout = Layout(model, 200, 23 + 5 * kLineHeight);
    EXPECT_EQ(layout.linesPerColumn, 5);
    EXPECT_EQ(layout.columnWidth, 50);  // W / 4 wins over 42 + 60
    EXPECT_EQ(layout.rects[1], (IntRect{150, 0, 200, 90}));
    EXPECT_EQ(layout.rects[2], (IntRect{55, 0, 105, 90}));
    ExpectLines(layout, 2, {{"Row 2:", 10, 36}, {" blank", 30, 54}, {"Row 3:", 160, 0}});
    ExpectLines(layout, 8, {{"Row 5:", 65, 0}});
    ExpectLines(layout, 12, {{"Row 7:", 65, 72}, {" blank", 85, 90}, {"Row 8:", 65, 108}});
    EXPECT_EQ(layout.lines[12].column, layout.rects[2]);
}

TEST(TallyLayout, RowThatExactlyFillsTheColumnStaysInIt) {
    BowlModel model;
    const TallyLayout layout = Layout(model, 400, 23 + 4 * kLineHeight);  // N = 4
    ExpectLines(layout, 2, {{"Row 2:", 10, 36}, {" blank", 30, 54}, {"Row 3:", 310, 0}});
}

TEST(TallyLayout, TinyWindowStartsInSecondColumn) {
    BowlModel model;
    const TallyLayout layout = Layout(model, 400, 23 + kLineHeight);  // N = 1
    ExpectLines(layout, 0, {{"Row 1:", 310, 0}, {" blank", 330, 18}, {"Row 2:", 115, 0}});
    ExpectLines(layout, 4, {{"Row 3:", 115, 36}});
}

TEST(TallyLayout, WidthCountsEveryRowAndNameIncludingTheDisc) {
    BowlModel model;
    model.RowTallies[0]["A very long name for the centre disc"] = 1;
    model.RowTallies[2]["Walnut"] = 3;
    model.RowTallies[2]["blank"] = 21;
    const TallyLayout layout = Layout(model, 2000, 600);
    EXPECT_EQ(layout.columnWidth, 7 * 39 + 60);
    // Row 2 is counted, rows 1 and 3 are not.
    ExpectLines(layout, 0,
                {{"Row 1:", 10, 0},
                 {" blank", 30, 18},
                 {"Row 2:", 10, 36},
                 {" 3 Walnut", 30, 54},
                 {" 21 blank", 30, 72},
                 {"Row 3:", 10, 90}});
}

TEST(TallyLayout, TinyFontStillHasALineHeight) {
    BowlModel model;
    const TallyLayout layout = Layout(model, 1000, 600, 0.5);
    EXPECT_EQ(layout.lineHeight, 1);
    EXPECT_EQ(layout.linesPerColumn, 577);
}

TEST(TallyLayout, RowsFarBelowTheWindowAreNotLaidOut) {
    BowlModel model;
    model.Rows = 1000000;
    model.Segments = 0;
    const TallyLayout layout = Layout(model, 400, 23 + 5 * kLineHeight);
    ASSERT_FALSE(layout.lines.empty());
    EXPECT_LT(layout.lines.size(), 20u);
    EXPECT_LT(layout.lines.back().y, 23 + 6 * kLineHeight);
}

}  // namespace
}  // namespace corvane
