#include "CutList.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace corvane;

namespace {

BowlModel designOf(double id, double od, int rows, int segments) {
    BowlModel model;
    model.ID = id;
    model.OD = od;
    model.Rows = rows;
    model.Segments = segments;
    model.ComputeGeometry(96);
    return model;
}

void fill(BowlModel& model, int index, Argb color) {
    model.FillColor = color;
    model.FillSegment(index);
}

}  // namespace

// 12 segments between diameters 9 and 10, worked out by hand.
TEST(CutListTest, TwelveSegmentRingMatchesTheHandCalculation) {
    const CutList list = ComputeCutList(designOf(9.0, 10.0, 1, 12), kDefaultKerfInches);
    ASSERT_EQ(list.rows.size(), 1u);
    const CutListRow& row = list.rows[0];
    EXPECT_DOUBLE_EQ(row.miterAngle, 15.0);
    EXPECT_DOUBLE_EQ(row.wedgeAngle, 30.0);
    EXPECT_EQ(FormatLength(row.outerLength, LengthUnit::Inches), "2.679");
    EXPECT_EQ(FormatLength(row.innerLength, LengthUnit::Inches), "2.329");
    EXPECT_EQ(FormatLength(row.boardWidth, LengthUnit::Inches), "0.653");
    EXPECT_EQ(FormatLength(row.outerLength, LengthUnit::Millimetres), "68.1");
    EXPECT_EQ(FormatLength(row.boardWidth, LengthUnit::Millimetres), "16.6");
}

TEST(CutListTest, DefaultDesignRowOne) {
    const CutList list = ComputeCutList(designOf(3.5, 8.1, 8, 24), kDefaultKerfInches);
    ASSERT_EQ(list.rows.size(), 8u);
    const CutListRow& row = list.rows[0];
    EXPECT_DOUBLE_EQ(row.innerDiameter, 3.5);
    EXPECT_NEAR(row.outerDiameter, 4.075, 1e-12);
    EXPECT_DOUBLE_EQ(row.miterAngle, 7.5);
    EXPECT_NEAR(row.outerLength, 4.075 * std::tan(7.5 * M_PI / 180.0), 1e-12);
    EXPECT_NEAR(row.innerLength, 3.5 * std::sin(7.5 * M_PI / 180.0), 1e-12);
    EXPECT_EQ(FormatLength(row.outerLength, LengthUnit::Inches), "0.536");
    EXPECT_EQ(FormatLength(row.innerLength, LengthUnit::Inches), "0.457");
    EXPECT_EQ(FormatLength(row.boardWidth, LengthUnit::Inches), "0.302");
    EXPECT_NEAR(list.rows[7].outerDiameter, 8.1, 1e-12);
    // Before any recount every row is all unchosen wood.
    ASSERT_EQ(row.woods.size(), 1u);
    EXPECT_EQ(row.woods[0].name, kNotChosenName);
    EXPECT_EQ(row.woods[0].count, 24);
    EXPECT_EQ(list.discWood, kNotChosenName);
}

TEST(CutListTest, CountsFollowTheTalliesAndStripsAddTheKerf) {
    BowlModel model = designOf(3.5, 8.1, 8, 24);
    fill(model, 0, 0xFF8B4513u);
    fill(model, 2 * 24 + 1, 0xFF8B4513u);
    fill(model, 2 * 24 + 2, 0xFFEFDDD4u);
    fill(model, 5 * 24 + 9, 0xFF8B4513u);
    model.RecountRowTallies();
    const CutList list = ComputeCutList(model, 0.25);
    EXPECT_EQ(list.discWood, "Walnut");
    for (const CutListRow& row : list.rows) {
        const ColorCounts& tallies = model.RowTallies.at(row.row);
        ASSERT_EQ(row.woods.size(), tallies.size()) << row.row;
        auto wood = row.woods.begin();
        for (const auto& [name, count] : tallies) {
            EXPECT_EQ(wood->name, name == "blank" ? kNotChosenName : name);
            EXPECT_EQ(wood->count, count);
            EXPECT_DOUBLE_EQ(wood->stripLength, count * (row.outerLength + 0.25));
            ++wood;
        }
    }
    ASSERT_EQ(list.summary.size(), 3u);
    const WoodSummary& walnut = list.summary[1];
    EXPECT_EQ(walnut.name, "Walnut");
    EXPECT_EQ(walnut.segments, 2);
    EXPECT_DOUBLE_EQ(walnut.stripLength, list.rows[2].outerLength + list.rows[5].outerLength + 0.5);
    EXPECT_DOUBLE_EQ(walnut.widestBoard,
                     std::max(list.rows[2].boardWidth, list.rows[5].boardWidth));
    EXPECT_EQ(list.summary[2].name, kNotChosenName);
    EXPECT_EQ(list.summary[2].segments, 8 * 24 - 3);
}

TEST(CutListTest, DesignsWithoutSegmentsOrWithAbsurdRowsStayBounded) {
    BowlModel noSegments = designOf(3.5, 8.1, 3, 0);
    const CutList list = ComputeCutList(noSegments, kDefaultKerfInches);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_FALSE(list.rows[0].hasSegments);
    const CutListTable table = CutListRowTable(list, LengthUnit::Inches);
    EXPECT_EQ(table[2][4], "");  // no wedge angle without segments

    BowlModel fromFile;
    fromFile.Rows = 1'000'000;
    fromFile.Segments = 0;
    EXPECT_EQ(ComputeCutList(fromFile, kDefaultKerfInches).rows.size(), size_t(kMaxLiveSegments));
}

TEST(CutListTest, CsvHasTheHeaderTheRowsAndTheSummary) {
    BowlModel model = designOf(9.0, 10.0, 1, 12);
    fill(model, 3, 0xFFC19A6Bu);
    model.RecountRowTallies();
    const std::string csv =
        FormatCutListCsv(ComputeCutList(model, kDefaultKerfInches), LengthUnit::Millimetres);
    EXPECT_EQ(csv.rfind("Corvane Cut List,Units: mm,Kerf: 3.2\r\n", 0), 0u);
    EXPECT_NE(csv.find("\r\n1,228.6,254.0,12,30.00,15.00,68.1,59.2,16.6,Teak,1,71.2\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\nSummary\r\nWood,Segments,Total Strip Length (mm),Widest Board Width "
                       "(mm)\r\nTeak,1,71.2,16.6\r\n"),
              std::string::npos);
}
