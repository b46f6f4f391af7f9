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

BowlModel withRingHeight(BowlModel model, double ringHeight) {
    model.Shape.ringHeight = ringHeight;
    return model;
}

// 12 segments between diameters 9 and 10, 1 in tall, worked out by hand: the
// wall of slope 0.5 leaves 4.5 - 0.25 x sqrt(1.25) = 4.2205 inside; the ring
// is cut 0.125 beyond both sides.
TEST(CutListTest, TwelveSegmentRingMatchesTheHandCalculation) {
    const CutList list =
        ComputeCutList(withRingHeight(DesignOf(9.0, 10.0, 1, 12), 1.0), kDefaultKerfInches);
    ASSERT_EQ(list.rows.size(), 1u);
    const CutListRow& row = list.rows[0];
    EXPECT_DOUBLE_EQ(row.miterAngle, 15.0);
    EXPECT_DOUBLE_EQ(row.wedgeAngle, 30.0);
    EXPECT_NEAR(row.turnedInnerDiameter, 2 * (4.5 - 0.25 * std::sqrt(1.25)), 1e-3);
    EXPECT_NEAR(row.innerDiameter, 2 * (4.5 - 0.25 * std::sqrt(1.25)) - 0.25, 1e-3);
    EXPECT_DOUBLE_EQ(row.outerDiameter, 10.25);
    EXPECT_DOUBLE_EQ(row.turnedOuterDiameter, 10.0);
    EXPECT_EQ(FormatLength(row.outerLength, LengthUnit::Inches), "2.746");
    EXPECT_EQ(FormatLength(row.innerLength, LengthUnit::Inches), "2.120");
    EXPECT_EQ(FormatLength(row.boardWidth, LengthUnit::Inches), "1.169");
    EXPECT_EQ(FormatLength(row.outerLength, LengthUnit::Millimetres), "69.8");
    EXPECT_EQ(FormatLength(row.boardWidth, LengthUnit::Millimetres), "29.7");
    EXPECT_DOUBLE_EQ(list.discDiameter, 9.25);
    // Without allowance the ring is cut to the turned wall itself.
    const CutList bare =
        ComputeCutList(withRingHeight(DesignOf(9.0, 10.0, 1, 12), 1.0), kDefaultKerfInches, 0.0);
    EXPECT_DOUBLE_EQ(bare.rows[0].outerDiameter, 10.0);
    EXPECT_DOUBLE_EQ(bare.discDiameter, 9.0);
}

// The default bowl's straight wall: row 1 turns from 4.075 in across its top
// down to 2 x 1.4823 in inside at the floor.
TEST(CutListTest, DefaultDesignRowOne) {
    const CutList list = ComputeCutList(DesignOf(3.5, 8.1, 8, 24), kDefaultKerfInches);
    ASSERT_EQ(list.rows.size(), 8u);
    const CutListRow& row = list.rows[0];
    EXPECT_NEAR(row.turnedOuterDiameter, 4.075, 1e-9);
    EXPECT_NEAR(row.turnedInnerDiameter, 2 * 1.482261269683895, 1e-3);
    EXPECT_NEAR(row.outerDiameter, 4.325, 1e-9);
    EXPECT_NEAR(row.innerDiameter, 2 * 1.357261269683895, 1e-3);
    EXPECT_DOUBLE_EQ(row.miterAngle, 7.5);
    EXPECT_DOUBLE_EQ(row.ringHeight, kDefaultRingHeightInches);
    EXPECT_NEAR(row.outerLength, 4.325 * std::tan(7.5 * M_PI / 180.0), 1e-9);
    EXPECT_NEAR(row.innerLength, row.innerDiameter * std::sin(7.5 * M_PI / 180.0), 1e-12);
    EXPECT_EQ(FormatLength(row.outerLength, LengthUnit::Inches), "0.569");
    EXPECT_EQ(FormatLength(row.innerLength, LengthUnit::Inches), "0.354");
    EXPECT_EQ(FormatLength(row.boardWidth, LengthUnit::Inches), "0.817");
    EXPECT_NEAR(list.rows[7].turnedOuterDiameter, 8.1, 1e-9);
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
    model.Shape.ringHeight = 0.5;
    model.Shape.rowHeights[6] = 1.0;
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
    // Walnut: a segment of row 3, one of row 6 (1 in tall) and the disc, a
    // square blank as wide as the disc and as thick as a ring.
    const WoodSummary& walnut = list.summary[1];
    const double disc = list.discDiameter;
    EXPECT_EQ(walnut.name, "Walnut");
    EXPECT_EQ(walnut.segments, 3);
    EXPECT_DOUBLE_EQ(walnut.stripLength,
                     list.rows[2].outerLength + list.rows[5].outerLength + 0.5 + disc + 0.25);
    EXPECT_DOUBLE_EQ(walnut.widestBoard, disc);
    EXPECT_DOUBLE_EQ(walnut.thickestBoard, 1.0);
    const double ringStock =
        0.5 * (list.rows[2].outerLength + 0.25) * 1 + 1.0 * (list.rows[5].outerLength + 0.25) * 1;
    EXPECT_NEAR(walnut.volume,
                std::max(list.rows[2].boardWidth, list.rows[5].boardWidth) * ringStock +
                    0.5 * disc * (disc + 0.25),
                1e-9);
    const WoodSummary& maple = list.summary[0];
    EXPECT_DOUBLE_EQ(maple.volume, 0.5 * maple.widestBoard * maple.stripLength);
    EXPECT_EQ(list.summary[2].name, kNotChosenName);
    EXPECT_EQ(list.summary[2].segments, 8 * 24 - 3);
    EXPECT_EQ(list.rows[5].ringHeight, 1.0);
}

// A whole ring of 12 from a board 1 in thick: 12 x (2.746 + 0.125) in of a
// 1.169 in wide board is 40.28 cubic inches, 0.280 board feet or 0.660 litres.
// The disc, 9.25 in across, is a blank of 9.25 x 9.375 x 1 in: 0.602 board feet.
TEST(CutListTest, BoardStockIsRingHeightByWidestBoardByStripLength) {
    BowlModel model = withRingHeight(DesignOf(9.0, 10.0, 1, 12), 1.0);
    for (int k = 1; k <= 12; ++k) {
        fill(model, k, 0xFFC19A6Bu);
    }
    model.RecountRowTallies();
    const CutList list = ComputeCutList(model, kDefaultKerfInches);
    ASSERT_EQ(list.summary.size(), 2u);
    const WoodSummary& teak = list.summary[0];
    EXPECT_NEAR(teak.volume, 12 * (list.rows[0].outerLength + 0.125) * list.rows[0].boardWidth,
                1e-9);
    EXPECT_EQ(FormatVolume(teak.volume, LengthUnit::Inches), "0.280");
    EXPECT_EQ(FormatVolume(teak.volume, LengthUnit::Millimetres), "0.660");
    const CutListTable table = CutListSummaryTable(list, LengthUnit::Inches);
    EXPECT_EQ(table[0][5], "Board Volume (board feet)");
    EXPECT_EQ(table[1],
              (std::vector<std::string>{"Teak", "12", "34.458", "1.169", "1.000", "0.280"}));
    EXPECT_EQ(table[2],
              (std::vector<std::string>{kNotChosenName, "1", "9.375", "9.250", "1.000", "0.602"}));
}

TEST(CutListTest, DesignsWithoutSegmentsOrWithAbsurdRowsStayBounded) {
    BowlModel noSegments = DesignOf(3.5, 8.1, 3, 0);
    const CutList list = ComputeCutList(noSegments, kDefaultKerfInches);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_FALSE(list.rows[0].hasSegments);
    const CutListTable table = CutListRowTable(list, LengthUnit::Inches);
    EXPECT_EQ(table[0][6], "Wedge Angle (deg)");
    EXPECT_EQ(table[2][6], "");  // no wedge angle without segments

    BowlModel fromFile;
    fromFile.Rows = 1'000'000;
    fromFile.Segments = 0;
    EXPECT_EQ(ComputeCutList(fromFile, kDefaultKerfInches).rows.size(), size_t(kMaxLiveSegments));
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
        const CutList list = ComputeCutList(model, kDefaultKerfInches);
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
        const CutList list = ComputeCutList(model, kDefaultKerfInches);
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
        FormatCutListCsv(ComputeCutList(model, kDefaultKerfInches), LengthUnit::Millimetres);
    EXPECT_EQ(csv.rfind("Corvane Cut List,Units: mm,Kerf: 3.2,Ring Height: 19.0,Allowance: "
                        "3.175\r\nRow,Inner Diameter (mm),Outer Diameter (mm),Turned Inner "
                        "Diameter (mm),Turned Outer Diameter (mm),Segments,",
                        0),
              0u);
    EXPECT_NE(csv.find("\r\nDisc,,234.9,,228.6,1,,,,,,19.0,not yet chosen,1,\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\n1,207.0,260.3,213.3,254.0,12,30.00,15.00,69.8,53.6,30.2,19.0,Teak,1,"
                       "72.9\r\n"),
              std::string::npos);
    // 0.75 x 1.190 x 2.871 cubic inches of teak; the disc is unchosen wood.
    EXPECT_NE(csv.find("\r\nSummary\r\nWood,Segments,Total Strip Length (mm),Widest Board Width "
                       "(mm),Board Thickness (mm),Board Volume (litres)\r\nTeak,1,72.9,30.2,19.0,"
                       "0.042\r\nnot yet chosen,12,1040.4,234.9,19.0,1.527\r\n"),
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
        FormatCutListCsv(ComputeCutList(model, kDefaultKerfInches), LengthUnit::Inches);
    for (const char* field : {",\"Curly, maple\",1,", ",\"8\"\" \"\"board\"\"\",1,",
                              ",\" Teak\",1,", "\r\n\"Curly, maple\",1,", ",not yet chosen,9,"}) {
        EXPECT_NE(csv.find(field), std::string::npos) << field << "\n" << csv;
    }
}
