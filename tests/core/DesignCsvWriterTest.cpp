#include "DesignCsvWriter.h"

#include "DesignCsvReader.h"
#include "DesignFileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace corvane {
namespace {

using testing::JoinLines;
using testing::MakeModel;
using testing::ReadDataFile;
using testing::SplitLines;

constexpr Argb kWalnut = 0xFF8B4513u;
constexpr Argb kMaple = 0xFFEFDDD4u;
constexpr Argb kTeak = 0xFFC19A6Bu;

void FillWith(BowlModel& model, Argb color, int k) {
    model.FillColor = color;
    model.FillSegment(k);
}

// The last two columns of record k's row: OldColor ... FillOrder.
struct FillColumns {
    std::string oldColor;
    std::string fillOrder;
};

FillColumns FillColumnsOf(const std::vector<std::string>& lines, int k) {
    const std::string& line = lines.at(7 + static_cast<std::size_t>(k));
    std::vector<std::string> columns;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos;
         start = comma + 1) {
        columns.push_back(line.substr(start, comma - start));
    }
    columns.push_back(line.substr(start));
    EXPECT_EQ(columns.size(), 11u) << line;
    columns.resize(11);
    return {columns[7], columns[10]};
}

TEST(DesignCsvWriterTest, WritesTheSampleDesignByteForByte) {
    BowlModel model;
    FillWith(model, kWalnut, 0);
    const std::string expectedStart = JoinLines({
        "Corvane CSV File,Created: 2026-12-08",
        "ID,3.50",
        "OD,8.10",
        "Rows,8",
        "Segments,24",
        "SegmentProp Start,",
        "InnerRadius,OuterRadius,LeftAngle,RightAngle,SectorNumber,SegmentCenter,SegmentColor,"
        "OldColor,SegmentColorName,SegmentRow,FillOrder",
        "0.00,168.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,Walnut,0,1",
    });
    const std::string file = WriteDesignCsv(model, "2026-12-08");
    EXPECT_EQ(file.substr(0, expectedStart.size()), expectedStart);
}

TEST(DesignCsvWriterTest, DefaultDesignHasSevenLinesAndOneRowPerRecord) {
    const BowlModel model;
    const std::string file = WriteDesignCsv(model, "");
    ASSERT_TRUE(file.ends_with("\r\n"));
    const std::vector<std::string> lines = SplitLines(file);
    ASSERT_EQ(lines.size(), 7u + 193u);
    EXPECT_EQ(lines[0], "Corvane CSV File,Created: ");
    EXPECT_EQ(lines[7], "0.00,168.00,0.00,360.00,0,0;0,FFFFFFFF,00000000,blank,0,0");
    for (int k = 1; k <= 192; ++k) {
        const std::string tail =
            ",FFFFFFFF,00000000,blank," + std::to_string((k - 1) / 24 + 1) + ",0";
        EXPECT_TRUE(lines[7 + k].ends_with(tail)) << lines[7 + k];
    }
    EXPECT_EQ(lines[8], "168.00,195.60,0.00,15.00,1,180;23,FFFFFFFF,00000000,blank,1,0");
    EXPECT_EQ(lines[199], "361.20,388.80,352.50,367.50,24,375;0,FFFFFFFF,00000000,blank,8,0");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 200);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\r'), 200);
}

TEST(DesignCsvWriterTest, MatchesAFileComputedIndependently) {
    BowlModel model;
    FillWith(model, kWalnut, 0);
    FillWith(model, kMaple, 30);
    FillWith(model, kTeak, 100);
    FillWith(model, kTeak, 30);
    EXPECT_EQ(WriteDesignCsv(model, "2026-12-08"), ReadDataFile("default-design-filled.csv"));
}

TEST(DesignCsvWriterTest, KeepsTheLastFillOfEachRecord) {
    BowlModel model;
    model.FillHistory = {{5, 0xFFFFFFFFu}, {7, 0xFFFFFFFFu}, {5, kWalnut}};
    const std::vector<std::string> lines = SplitLines(WriteDesignCsv(model, ""));
    for (int k = 0; k <= 192; ++k) {
        const FillColumns columns = FillColumnsOf(lines, k);
        if (k == 5) {
            EXPECT_EQ(columns.oldColor, "FF8B4513");
            EXPECT_EQ(columns.fillOrder, "3");
        } else if (k == 7) {
            EXPECT_EQ(columns.oldColor, "FFFFFFFF");
            EXPECT_EQ(columns.fillOrder, "2");
        } else {
            EXPECT_EQ(columns.oldColor, "00000000") << k;
            EXPECT_EQ(columns.fillOrder, "0") << k;
        }
    }
}

TEST(DesignCsvWriterTest, SegmentFilledThreeTimesGivesItsThirdFill) {
    BowlModel model;
    FillWith(model, kMaple, 12);
    FillWith(model, kWalnut, 40);
    FillWith(model, kTeak, 12);
    FillWith(model, kMaple, 41);
    FillWith(model, kWalnut, 12);
    const std::vector<std::string> lines = SplitLines(WriteDesignCsv(model, ""));
    EXPECT_EQ(FillColumnsOf(lines, 12).oldColor, "FFC19A6B");
    EXPECT_EQ(FillColumnsOf(lines, 12).fillOrder, "5");
    EXPECT_TRUE(lines[7 + 12].find(",FF8B4513,FFC19A6B,Walnut,1,5") != std::string::npos);
}

TEST(DesignCsvWriterTest, HistoryBeyondTheLiveRecordsLeavesGapsInFillOrder) {
    BowlModel model;
    FillWith(model, kMaple, 3);
    FillWith(model, kWalnut, 180);
    FillWith(model, kTeak, 20);
    model.Rows = 2;
    const std::vector<std::string> lines = SplitLines(WriteDesignCsv(model, ""));
    ASSERT_EQ(lines.size(), 7u + 49u);
    EXPECT_EQ(FillColumnsOf(lines, 3).fillOrder, "1");
    EXPECT_EQ(FillColumnsOf(lines, 20).fillOrder, "3");
}

TEST(DesignCsvWriterTest, RowCountFollowsRowsTimesSegmentsWithinTheTable) {
    struct Case {
        int rows;
        int segments;
        std::size_t segmentRows;
    };
    const Case cases[] = {
        {0, 24, 1},      {8, 0, 1},        {-1, 24, 0},          {3, -2, 0},         {23, 89, 2048},
        {1, 2047, 2048}, {100, 100, 2048}, {65536, 65536, 2048}, {-65536, 65536, 0},
    };
    for (const Case& c : cases) {
        BowlModel model;
        model.Rows = c.rows;
        model.Segments = c.segments;
        const std::vector<std::string> lines = SplitLines(WriteDesignCsv(model, ""));
        EXPECT_EQ(lines.size(), 7 + c.segmentRows) << c.rows << " x " << c.segments;
        EXPECT_EQ(lines[3], "Rows," + std::to_string(c.rows));
    }
}

TEST(DesignCsvWriterTest, NamesAreWrittenAsTheirBytes) {
    BowlModel model;
    model.SegmentTable[2].SegmentColorName = "Bubinga \xE9\xA0\xFF \x85";
    const std::vector<std::string> lines = SplitLines(WriteDesignCsv(model, ""));
    EXPECT_TRUE(lines[7 + 2].ends_with(",Bubinga \xE9\xA0\xFF \x85,1,0"));
}

// A name is quoted exactly when it would not read back unquoted: a comma
// would split it, a quote could open a quoted field, blanks at its ends are
// what a spreadsheet trims, and an empty name would drop its row. Every
// other name, and so every other file, is written as before.
TEST(DesignCsvWriterTest, NamesAreQuotedExactlyWhenTheyWouldNotReadBack) {
    struct Case {
        const char* name;
        const char* written;
    };
    const Case cases[] = {
        {"Walnut", "Walnut"},
        {"Curly, maple", "\"Curly, maple\""},
        {",", "\",\""},
        {"Bird\"s eye", "\"Bird\"\"s eye\""},
        {"\"Teak\"", "\"\"\"Teak\"\"\""},
        {" Oak", "\" Oak\""},
        {"Oak ", "\"Oak \""},
        {"\tOak", "\"\tOak\""},
        {"Red oak", "Red oak"},
        {"", "\"\""},
        {"Ol\xE9o \xA0\x85", "Ol\xE9o \xA0\x85"},
    };
    for (const Case& c : cases) {
        BowlModel model;
        model.SegmentTable[2].SegmentColorName = c.name;
        model.FillHistory = {{2, 0xFF123456u}};
        const std::string file = WriteDesignCsv(model, "2026-12-08");
        const std::vector<std::string> lines = SplitLines(file);
        EXPECT_TRUE(lines[7 + 2].ends_with(std::string(",FF123456,") + c.written + ",1,1"))
            << lines[7 + 2];

        BowlModel reopened;
        ASSERT_TRUE(ReadDesignCsv(file, reopened).ok) << c.name;
        EXPECT_EQ(reopened.SegmentTable[2].SegmentColorName, c.name);
        EXPECT_EQ(reopened.SegmentTable[2].SegmentRow, 1) << c.name;
        EXPECT_EQ(reopened.SegmentTable[3].SegmentColorName, "blank") << c.name;
        EXPECT_EQ(reopened.FillHistory, model.FillHistory) << c.name;
        EXPECT_EQ(WriteDesignCsv(reopened, "2026-12-08"), file) << c.name;
    }
}

// After Segments, only what differs from the default shape; the profile in
// inches. Reading the file back gives the same file again.
TEST(DesignCsvWriterTest, WritesTheShapeThatDiffersAndReadsItBack) {
    BowlModel model = MakeModel(3, 4);  // ID 3.5, OD 8.1
    model.Shape.ringHeight = 1.0;
    model.Shape.rowHeights = {{2, 1.5}, {3, 1.0}, {9, 2.0}};  // row 3 as the rest; no row 9
    model.Shape.profile = {{0.0, 0.0}, {1.25, 0.5}, {1.0, 1.0}};
    const std::string file = WriteDesignCsv(model, "2026-12-08");
    const std::vector<std::string> lines = SplitLines(file);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 11),
              (std::vector<std::string>{"Segments,4", "RingHeight,1.0000", "RowHeight,2,1.5000",
                                        "ProfilePoint,1.7500,1.0000", "ProfilePoint,4.6250,2.7500",
                                        "ProfilePoint,4.0500,4.5000", "SegmentProp Start,"}));
    // Values the file rounds: the points are placed as a reader places them,
    // and a height that reads as the ring height is not written.
    model.Shape.wallThickness = 0.3;
    model.ID = 3.456;
    model.Shape.rowHeights[1] = 1.00001;
    BowlModel read;
    const std::string withWall = WriteDesignCsv(model, "2026-12-08");
    ASSERT_TRUE(ReadDesignCsv(withWall, read).ok);
    EXPECT_TRUE(ReadDesignCsv(withWall, read).notes.empty());
    EXPECT_EQ(WriteDesignCsv(read, "2026-12-08"), withWall);
    EXPECT_NE(withWall.find("\r\nProfilePoint,1.7300,1.0000\r\n"), std::string::npos);
    EXPECT_EQ(withWall.find("RowHeight,1,"), std::string::npos);
    EXPECT_EQ(read.Shape.wallThickness, 0.3);
    EXPECT_EQ(read.Shape.RowHeight(2), 1.5);
    EXPECT_FALSE(SameDesignOnFile(read, MakeModel(3, 4)));
}

TEST(DesignCsvWriterTest, LocalDateHasTheIsoForm) {
    const std::string date = LocalDateText();
    ASSERT_EQ(date.size(), 10u) << date;
    for (std::size_t i = 0; i < date.size(); ++i) {
        const bool dash = i == 4 || i == 7;
        EXPECT_EQ(date[i] == '-', dash) << date;
        EXPECT_EQ(std::isdigit(static_cast<unsigned char>(date[i])) != 0, !dash) << date;
    }
}

}  // namespace
}  // namespace corvane
