#include "CutList.h"

#include "DesignCsvReader.h"
#include "DesignOf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace corvane;
using corvane::testing::DesignOf;

namespace {

void fill(BowlModel& model, int index, Argb color) {
    model.FillColor = color;
    model.FillSegment(index);
}

}  // namespace

// 12 segments between diameters 9 and 10, worked out by hand.
TEST(CutListTest, TwelveSegmentRingMatchesTheHandCalculation) {
    const CutList list = ComputeCutList(DesignOf(9.0, 10.0, 1, 12), kDefaultKerfInches, 1.0);
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
    const CutList list =
        ComputeCutList(DesignOf(3.5, 8.1, 8, 24), kDefaultKerfInches, kDefaultRingHeightInches);
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
    BowlModel model = DesignOf(3.5, 8.1, 8, 24);
    fill(model, 0, 0xFF8B4513u);
    fill(model, 2 * 24 + 1, 0xFF8B4513u);
    fill(model, 2 * 24 + 2, 0xFFEFDDD4u);
    fill(model, 5 * 24 + 9, 0xFF8B4513u);
    model.RecountRowTallies();
    const CutList list = ComputeCutList(model, 0.25, 0.5);
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
    for (const WoodSummary& wood : list.summary) {
        EXPECT_DOUBLE_EQ(wood.volume, 0.5 * wood.widestBoard * wood.stripLength) << wood.name;
    }
}

// A whole ring of 12 from a board 1 in thick: 12 x (2.679 + 0.125) in of a
// 0.653 in wide board is 21.97 cubic inches, 0.153 board feet or 0.360 litres.
TEST(CutListTest, BoardStockIsRingHeightByWidestBoardByStripLength) {
    BowlModel model = DesignOf(9.0, 10.0, 1, 12);
    for (int k = 1; k <= 12; ++k) {
        fill(model, k, 0xFFC19A6Bu);
    }
    model.RecountRowTallies();
    const CutList list = ComputeCutList(model, kDefaultKerfInches, 1.0);
    ASSERT_EQ(list.summary.size(), 1u);
    const WoodSummary& teak = list.summary[0];
    EXPECT_NEAR(teak.volume, 12 * (list.rows[0].outerLength + 0.125) * list.rows[0].boardWidth,
                1e-9);
    EXPECT_EQ(FormatVolume(teak.volume, LengthUnit::Inches), "0.153");
    EXPECT_EQ(FormatVolume(teak.volume, LengthUnit::Millimetres), "0.360");
    const CutListTable table = CutListSummaryTable(list, LengthUnit::Inches);
    EXPECT_EQ(table[0][5], "Board Volume (board feet)");
    EXPECT_EQ(table[1],
              (std::vector<std::string>{"Teak", "12", "33.654", "0.653", "1.000", "0.153"}));
}

TEST(CutListTest, DesignsWithoutSegmentsOrWithAbsurdRowsStayBounded) {
    BowlModel noSegments = DesignOf(3.5, 8.1, 3, 0);
    const CutList list = ComputeCutList(noSegments, kDefaultKerfInches, kDefaultRingHeightInches);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_FALSE(list.rows[0].hasSegments);
    const CutListTable table = CutListRowTable(list, LengthUnit::Inches);
    EXPECT_EQ(table[2][4], "");  // no wedge angle without segments

    BowlModel fromFile;
    fromFile.Rows = 1'000'000;
    fromFile.Segments = 0;
    EXPECT_EQ(ComputeCutList(fromFile, kDefaultKerfInches, kDefaultRingHeightInches).rows.size(),
              size_t(kMaxLiveSegments));
}

// A design file may hold diameters the parameters box would refuse; no
// board of negative width is ever listed for them.
TEST(CutListTest, DiametersThatMakeNoRingAreRefusedWithTheReason) {
    struct Case {
        double id, od;
        const char* refusal;
    };
    for (const Case& c : std::vector<Case>{
             {5.0, 3.0, "No cut list for this design: ID must be smaller than OD."},
             {3.0, 3.0, "No cut list for this design: ID must be smaller than OD."},
             {-1.0, 3.0, "No cut list for this design: ID must not be negative."},
             {-4.0, -2.0, "No cut list for this design: ID must not be negative."},
             {0.0, 3.0, ""},
         }) {
        BowlModel model = DesignOf(c.id, c.od, 3, 8);
        model.RecountRowTallies();
        const CutList list = ComputeCutList(model, kDefaultKerfInches, kDefaultRingHeightInches);
        EXPECT_EQ(list.refusal, c.refusal) << c.id << " " << c.od;
        EXPECT_EQ(list.rows.empty(), !list.refusal.empty()) << c.id << " " << c.od;
        EXPECT_EQ(list.summary.empty(), !list.refusal.empty()) << c.id << " " << c.od;
        for (const CutListRow& row : list.rows) {
            EXPECT_GT(row.boardWidth, 0.0) << c.id << " " << c.od;
        }
    }
}

// A file with only the design's parameters leaves the records of the design
// before it; every row still lists exactly Segments pieces.
TEST(CutListTest, AHeaderOnlyFileCountsSegmentsInEveryRow) {
    for (const char* file : {"ID,2.00\r\nOD,6.00\r\nRows,2\r\nSegments,5\r\n",
                             "Rows,3\r\nSegments,30\r\nSegmentProp Start,\r\n"}) {
        BowlModel model = DesignOf(3.5, 8.1, 8, 24);
        fill(model, 3, 0xFF8B4513u);
        ASSERT_TRUE(ReadDesignCsv(file, model).ok) << file;
        const CutList list = ComputeCutList(model, kDefaultKerfInches, kDefaultRingHeightInches);
        ASSERT_EQ(list.rows.size(), size_t(model.Rows)) << file;
        int walnut = 0;
        for (const CutListRow& row : list.rows) {
            int counted = 0;
            for (const WoodCount& wood : row.woods) {
                counted += wood.count;
                walnut += wood.name == "Walnut" ? wood.count : 0;
            }
            EXPECT_EQ(counted, model.Segments) << file << " row " << row.row;
        }
        EXPECT_EQ(walnut, 1) << file;
    }
}

TEST(CutListTest, CsvHasTheHeaderTheRowsAndTheSummary) {
    BowlModel model = DesignOf(9.0, 10.0, 1, 12);
    fill(model, 3, 0xFFC19A6Bu);
    model.RecountRowTallies();
    const std::string csv =
        FormatCutListCsv(ComputeCutList(model, kDefaultKerfInches, 0.75), LengthUnit::Millimetres);
    EXPECT_EQ(csv.rfind("Corvane Cut List,Units: mm,Kerf: 3.2,Ring Height: 19.0\r\n", 0), 0u);
    EXPECT_NE(csv.find("\r\nDisc,,228.6,1,,,,,,19.0,not yet chosen,1,\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n1,228.6,254.0,12,30.00,15.00,68.1,59.2,16.6,19.0,Teak,1,71.2\r\n"),
              std::string::npos);
    // 0.75 x 0.653 x 2.804 cubic inches
    EXPECT_NE(csv.find("\r\nSummary\r\nWood,Segments,Total Strip Length (mm),Widest Board Width "
                       "(mm),Board Thickness (mm),Board Volume (litres)\r\nTeak,1,71.2,16.6,19.0,"
                       "0.023\r\n"),
              std::string::npos);
}

// A wood name a spreadsheet would split or trim is quoted, so that every
// column stays where it belongs; other names are written as they are.
TEST(CutListTest, CsvQuotesNamesThatWouldShiftTheColumns) {
    BowlModel model = DesignOf(9.0, 10.0, 1, 12);
    model.SegmentTable[1].SegmentColorName = "Curly, maple";
    model.SegmentTable[2].SegmentColorName = "8\" \"board\"";
    model.SegmentTable[3].SegmentColorName = " Teak";
    model.RecountRowTallies();
    const std::string csv =
        FormatCutListCsv(ComputeCutList(model, kDefaultKerfInches, 0.75), LengthUnit::Inches);
    for (const char* field : {",\"Curly, maple\",1,", ",\"8\"\" \"\"board\"\"\",1,",
                              ",\" Teak\",1,", "\r\n\"Curly, maple\",1,", ",not yet chosen,9,"}) {
        EXPECT_NE(csv.find(field), std::string::npos) << field << "\n" << csv;
    }
}
