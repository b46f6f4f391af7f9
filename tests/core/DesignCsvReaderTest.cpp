#include "DesignCsvReader.h"

#include "DesignCsvWriter.h"
#include "DesignFileTestSupport.h"
#include "DesignLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace corvane {
namespace {

using testing::ExpectSameDesign;
using testing::JoinLines;
using testing::MakeModel;
using testing::ReadDataFile;

constexpr Argb kWalnut = 0xFF8B4513u;
constexpr Argb kMaple = 0xFFEFDDD4u;
constexpr Argb kTeak = 0xFFC19A6Bu;
constexpr Argb kBlank = 0xFFFFFFFFu;

constexpr const char* kColumnHeader =
    "InnerRadius,OuterRadius,LeftAngle,RightAngle,SectorNumber,SegmentCenter,SegmentColor,"
    "OldColor,SegmentColorName,SegmentRow,FillOrder";

// A design of one row of two segments, followed by the given segment rows.
std::string OneRowOfTwo(std::initializer_list<std::string_view> rows,
                        std::string_view lineEnd = "\r\n") {
    std::string text = JoinLines({"Corvane CSV File,Created: 2026-12-08", "ID,1.00", "OD,3.00",
                                  "Rows,1", "Segments,2", "SegmentProp Start,", kColumnHeader},
                                 lineEnd);
    return text + JoinLines(rows, lineEnd);
}

// A model whose records all differ from anything the tests read, so that a
// record the file does not reach is easy to tell apart.
BowlModel PreviousDesign() {
    BowlModel model = MakeModel(3, 4);
    for (int k = 0; k <= 12; ++k) {
        SegmentProp& segment = model.SegmentTable[static_cast<std::size_t>(k)];
        segment.SegmentCenter = {1000 + k, 2000 + k};
        segment.SegmentColor = 0xFF000000u + static_cast<Argb>(k);
        segment.SegmentColorName = "old " + std::to_string(k);
    }
    model.FillHistory = {{4, kBlank}, {9, kMaple}};
    model.RecountRowTallies();
    return model;
}

BowlModel ReadInto(const BowlModel& before, const std::string& file) {
    BowlModel model = before;
    const ReadResult result = ReadDesignCsv(file, model);
    EXPECT_TRUE(result.ok) << result.error;
    return model;
}

const SegmentProp& Record(const BowlModel& model, int k) {
    return model.SegmentTable[static_cast<std::size_t>(k)];
}

TEST(DesignCsvReaderTest, ReadsASavedDesign) {
    const BowlModel model = ReadInto(PreviousDesign(), ReadDataFile("default-design-filled.csv"));
    EXPECT_EQ(model.ID, 3.5);
    EXPECT_EQ(model.OD, 8.1);
    EXPECT_EQ(model.Rows, 8);
    EXPECT_EQ(model.Segments, 24);
    const SegmentProp& teak = Record(model, 30);
    EXPECT_EQ(teak.InnerRadius, 195.6);
    EXPECT_EQ(teak.OuterRadius, 223.2);
    EXPECT_EQ(teak.LeftAngle, 82.5);
    EXPECT_EQ(teak.RightAngle, 97.5);
    EXPECT_EQ(teak.SectorNumber, 6);
    EXPECT_EQ(teak.SegmentCenter, (IntPoint{0, 209}));
    EXPECT_EQ(teak.SegmentColor, kTeak);
    EXPECT_EQ(teak.SegmentColorName, "Teak");
    EXPECT_EQ(teak.SegmentRow, 2);
    const std::vector<FillHistoryEntry> history = {{0, kBlank}, {100, kBlank}, {30, kMaple}};
    EXPECT_EQ(model.FillHistory, history);
    EXPECT_EQ(model.RowTallies.at(0), (ColorCounts{{"Walnut", 1}}));
    EXPECT_EQ(model.RowTallies.at(2), (ColorCounts{{"Teak", 1}, {"blank", 23}}));
    EXPECT_EQ(model.RowTallies.at(8), (ColorCounts{{"blank", 24}}));
    EXPECT_EQ(model.RowTallies.size(), 9u);
}

TEST(DesignCsvReaderTest, ReadsAHandEditedFileLeniently) {
    const BowlModel before = PreviousDesign();
    const BowlModel model = ReadInto(before, ReadDataFile("hand-edited-design.csv"));
    EXPECT_EQ(model.ID, 2.0);
    EXPECT_EQ(model.OD, 6.0);
    EXPECT_EQ(model.Rows, 2);
    EXPECT_EQ(model.Segments, 4);
    EXPECT_EQ(Record(model, 0).SegmentColor, kWalnut);
    EXPECT_EQ(Record(model, 1).SegmentColor, 0x00EFDDD4u);
    EXPECT_EQ(Record(model, 2).SegmentColorName, "Teak");
    EXPECT_EQ(Record(model, 2).SegmentCenter, (IntPoint{-76, 76}));
    EXPECT_EQ(Record(model, 3).SegmentCenter, Record(before, 3).SegmentCenter);
    EXPECT_EQ(Record(model, 3).SectorNumber, 3);
    EXPECT_EQ(Record(model, 4).SegmentCenter, (IntPoint{0, 7}));
    EXPECT_EQ(Record(model, 4).RightAngle, 360.0);
    for (int k = 5; k <= 12; ++k) {
        EXPECT_EQ(Record(model, k), Record(before, k)) << k;
    }
    const std::vector<FillHistoryEntry> history = {{2, kBlank}, {0, kBlank}};
    EXPECT_EQ(model.FillHistory, history);
    EXPECT_EQ(model.RowTallies.at(1), (ColorCounts{{"Maple", 1}, {"Teak", 1}, {"blank", 2}}));
    EXPECT_EQ(model.RowTallies.at(2),
              (ColorCounts{{"old 5", 1}, {"old 6", 1}, {"old 7", 1}, {"old 8", 1}}));
}

TEST(DesignCsvReaderTest, LfOnlyReadsLikeCrLf) {
    const std::initializer_list<std::string_view> rows = {
        "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,Walnut,0,2",
        "48.00,72.00,0.00,180.00,1,0;60,FFEFDDD4,FFFFFFFF,Maple,1,1",
        "48.00,72.00,180.00,360.00,2,0;-60,FFFFFFFF,00000000,blank,1,0",
    };
    const BowlModel withLf = ReadInto(PreviousDesign(), OneRowOfTwo(rows, "\n"));
    const BowlModel withCrLf = ReadInto(PreviousDesign(), OneRowOfTwo(rows));
    ExpectSameDesign(withLf, withCrLf);
    EXPECT_EQ(Record(withLf, 1).SegmentColorName, "Maple");
    EXPECT_EQ(withLf.FillHistory, (std::vector<FillHistoryEntry>{{1, kBlank}, {0, kBlank}}));
}

// A header section and the parameters it should leave behind.
struct HeaderCase {
    const char* name;
    std::string header;
    double id;
    double od;
    int rows;
    int segments;
};

TEST(DesignCsvReaderTest, HeaderKeysMatchExactly) {
    const HeaderCase cases[] = {
        {"lower case", JoinLines({"id,9", "ID,2", "od,9", "rows,9"}), 2.0, 3.0, 3, 4},
        {"spaced", JoinLines({"ID ,9", "OD\t,9", " Rows,2"}), 1.0, 3.0, 2, 4},
        {"reordered", JoinLines({"Segments,5", "OD,7.5", "Rows,1", "ID,0.25"}), 0.25, 7.5, 1, 5},
        {"repeated", JoinLines({"Rows,9", "Rows,2", "ID,1", "ID,1.5"}), 1.5, 3.0, 2, 4},
        {"missing", JoinLines({"Corvane CSV File,ID", "Segments,3"}), 1.0, 3.0, 3, 3},
        {"not numbers", JoinLines({"ID,abc", "Rows, 2x"}), 0.0, 3.0, 2, 4},
        {"trimmed", JoinLines({"\xA0\t ID,2.5 \x85", "Rows\n", ",Rows,1"}), 2.5, 3.0, 3, 4},
        // As spreadsheets write them: quoted keys and values, decimal commas.
        {"quoted keys", JoinLines({"\"ID\",2.5,,,", "\"Rows\",\"2\"", "\"OD\",\"7.5\""}), 2.5, 7.5,
         2, 4},
        {"decimal comma", JoinLines({"ID,\"3,75\"", "\"OD\",\"-1,5e1\",,"}), 3.75, -15.0, 3, 4},
        {"unquoted comma stays a separator", JoinLines({"ID,3,75", "OD,\"4.5,5\""}), 3.0, 4.5, 3,
         4},
        {"quotes inside keep their meaning",
         JoinLines({"\"ID \",9", "\"Rows,2", "Rows,\"2\"x", "Segments,\"\"", "OD,\"9"}), 1.0, 0.0,
         0, 0},
    };
    for (const HeaderCase& c : cases) {
        BowlModel model = MakeModel(3, 4);
        model.ID = 1.0;
        model.OD = 3.0;
        const ReadResult result = ReadDesignCsv(c.header, model);
        ASSERT_TRUE(result.ok) << c.name;
        EXPECT_EQ(model.ID, c.id) << c.name;
        EXPECT_EQ(model.OD, c.od) << c.name;
        EXPECT_EQ(model.Rows, c.rows) << c.name;
        EXPECT_EQ(model.Segments, c.segments) << c.name;
    }
}

TEST(DesignCsvReaderTest, QuotedFieldsReadAsTheSpreadsheetMeantThem) {
    const BowlModel before = PreviousDesign();
    const BowlModel model = ReadInto(
        before,
        OneRowOfTwo({
            "\"0\",\"48,5\",0,\"360\",0,\"0;0\",\"FF8B4513\",\"FFFFFFFF\",\"Walnut\",0,\"1\"",
            "48,72,0,180,1,0;60,FFEFDDD4,FFFFFFFF,\"Bird\"\"s eye, curly\",1,2",
            "48,72,180,360,2,\"\"\"0;-60\",FFC19A6B,FFFFFFFF,Te\"a\"k,1,3",
        }));
    EXPECT_EQ(Record(model, 0).OuterRadius, 48.5);
    EXPECT_EQ(Record(model, 0).RightAngle, 360.0);
    EXPECT_EQ(Record(model, 0).SegmentColor, kWalnut);
    EXPECT_EQ(Record(model, 0).SegmentColorName, "Walnut");
    EXPECT_EQ(Record(model, 1).SegmentColorName, "Bird\"s eye, curly");
    EXPECT_EQ(Record(model, 1).SegmentRow, 1);
    // A quote that does not open a field is part of the text, as it always was.
    EXPECT_EQ(Record(model, 2).SegmentColorName, "Te\"a\"k");
    EXPECT_EQ(Record(model, 2).SegmentCenter, (IntPoint{0, -60}));
    EXPECT_EQ(model.FillHistory,
              (std::vector<FillHistoryEntry>{{0, kBlank}, {1, kBlank}, {2, kBlank}}));
    // Saved and opened again, every name comes back whole and in its column.
    ExpectSameDesign(ReadInto(before, WriteDesignCsv(model, "2026-12-08")), model);
}

TEST(DesignCsvReaderTest, AFileWithoutADesignIsRefusedAndChangesNothing) {
    const std::string cases[] = {
        "",
        "\r\n\r\n",
        "Corvane CSV File,Created: 2026-12-08\r\n",
        JoinLines(
            {"Corvane Cut List,Units: in,Kerf: 0.125", "Row,Inner Diameter (in)", "Disc,,3.500,1"}),
        std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
        JoinLines({"id,3", "SegmentProp Start", "rows,2"}),
    };
    for (const std::string& file : cases) {
        const BowlModel before = PreviousDesign();
        BowlModel model = before;
        const ReadResult result = ReadDesignCsv(file, model);
        EXPECT_FALSE(result.ok) << file;
        EXPECT_EQ(result.error, "no design found in this file.") << file;
        ExpectSameDesign(model, before);
    }
    // One key or the marker alone is a design, if a small one.
    for (const char* file : {"Segments,3\r\n", "SegmentProp Start,\r\n", "\"OD\",5"}) {
        BowlModel model = PreviousDesign();
        EXPECT_TRUE(ReadDesignCsv(file, model).ok) << file;
    }
}

TEST(DesignCsvReaderTest, ShortRowsAreSkippedAndExtraPiecesIgnored) {
    const BowlModel model =
        ReadInto(PreviousDesign(),
                 OneRowOfTwo({
                     "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,,0,1",
                     "0.00,48.00,0.00,360.00,0,0;0,FF8B4513",
                     "1.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,Walnut,0,1",
                     ",,2.00,,48.00,0.00,360.00,1,0;60,FFEFDDD4,FFFFFFFF,Maple,1,2,,,extra,9,",
                     "3.00,72.00,180.00,360.00,2,0;-60,FFC19A6B,FFFFFFFF,Teak,1,3,more",
                 }));
    EXPECT_EQ(Record(model, 0).InnerRadius, 1.0);
    EXPECT_EQ(Record(model, 1).InnerRadius, 2.0);
    EXPECT_EQ(Record(model, 1).SegmentColorName, "Maple");
    EXPECT_EQ(Record(model, 2).InnerRadius, 3.0);
    EXPECT_EQ(model.FillHistory.size(), 3u);
}

TEST(DesignCsvReaderTest, EmptyLineAndFillHistoryLineEndTheRows) {
    for (const char* endMark : {"", "  \t", "FillHistory,", "FillHistory,3,4"}) {
        const BowlModel before = PreviousDesign();
        const BowlModel model =
            ReadInto(before, OneRowOfTwo({
                                 "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,Walnut,0,1",
                                 endMark,
                                 "48.00,72.00,0.00,180.00,1,0;60,FFEFDDD4,FFFFFFFF,Maple,1,2",
                             }));
        EXPECT_EQ(Record(model, 0).SegmentColorName, "Walnut") << '"' << endMark << '"';
        EXPECT_EQ(Record(model, 1), Record(before, 1)) << '"' << endMark << '"';
        EXPECT_EQ(model.FillHistory.size(), 1u);
    }
    // Only the exact mark with its comma ends the rows.
    const BowlModel model =
        ReadInto(PreviousDesign(), OneRowOfTwo({
                                       "FillHistory",
                                       "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,Walnut,0,1",
                                   }));
    EXPECT_EQ(Record(model, 0).SegmentColorName, "Walnut");
}

TEST(DesignCsvReaderTest, RowsBeyondTheDesignAreIgnoredAndMissingOnesKeepTheirRecords) {
    const BowlModel before = PreviousDesign();
    const BowlModel more =
        ReadInto(before, OneRowOfTwo({
                             "0.00,48.00,0.00,360.00,0,0;0,FFFFFFFF,00000000,blank,0,0",
                             "48.00,72.00,0.00,180.00,1,0;60,FFFFFFFF,00000000,blank,1,0",
                             "48.00,72.00,180.00,360.00,2,0;-60,FFFFFFFF,00000000,blank,1,0",
                             "72.00,96.00,0.00,180.00,1,0;84,FFC19A6B,FFFFFFFF,Teak,2,1",
                         }));
    EXPECT_EQ(Record(more, 2).SegmentColorName, "blank");
    EXPECT_EQ(Record(more, 3), Record(before, 3));
    EXPECT_TRUE(more.FillHistory.empty());
    EXPECT_EQ(more.RowTallies.size(), 2u);

    const BowlModel fewer =
        ReadInto(before, OneRowOfTwo({"0.00,48.00,0.00,360.00,0,0;0,FFFFFFFF,00000000,blank,0,0"}));
    EXPECT_EQ(Record(fewer, 1), Record(before, 1));
    EXPECT_EQ(Record(fewer, 2), Record(before, 2));
    // The records kept from before are counted with their old names.
    EXPECT_EQ(fewer.RowTallies.at(1), (ColorCounts{{"old 1", 1}, {"old 2", 1}}));
}

TEST(DesignCsvReaderTest, SegmentCenterSplitsAtTheFirstSemicolon) {
    struct Case {
        const char* column;
        IntPoint expected;
    };
    const Case cases[] = {
        {"12;-34", {12, -34}}, {";7", {0, 7}},  {"5;", {5, 0}},       {"1;2;3", {1, 2}},
        {" 8; 9", {8, 9}},     {"a;b", {0, 0}}, {"12", {1001, 2001}}, {"-", {1001, 2001}},
    };
    for (const Case& c : cases) {
        const std::string row =
            std::string("48.00,72.00,0.00,180.00,1,") + c.column + ",FFFFFFFF,00000000,blank,1,0";
        const BowlModel model = ReadInto(
            PreviousDesign(),
            OneRowOfTwo({"0.00,48.00,0.00,360.00,0,0;0,FFFFFFFF,00000000,blank,0,0", row}));
        EXPECT_EQ(Record(model, 1).SegmentCenter, c.expected) << c.column;
    }
}

TEST(DesignCsvReaderTest, ColoursReadLikeStrtoulBase16) {
    struct Case {
        const char* column;
        Argb expected;
    };
    const Case cases[] = {
        {"FF8B4513", kWalnut},   {"ff8b4513", kWalnut},   {"0xFF8B4513", kWalnut},
        {"0Xff8B4513", kWalnut}, {"8B4513", 0x008B4513u}, {"1FF8B4513", 0xFFFFFFFFu},
        {"walnut", 0u},          {"-1", 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        const std::string row = std::string("0.00,48.00,0.00,360.00,0,0;0,") + c.column + "," +
                                c.column + ",Walnut,0,1";
        const BowlModel model = ReadInto(PreviousDesign(), OneRowOfTwo({row}));
        EXPECT_EQ(Record(model, 0).SegmentColor, c.expected) << c.column;
        EXPECT_EQ(model.FillHistory, (std::vector<FillHistoryEntry>{{0, c.expected}})) << c.column;
    }
}

TEST(DesignCsvReaderTest, HistoryIsOrderedByFillOrder) {
    const BowlModel model = ReadInto(
        PreviousDesign(), OneRowOfTwo({
                              "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFEFDDD4,Walnut,0,7",
                              "48.00,72.00,0.00,180.00,1,0;60,FFEFDDD4,FFFFFFFF,Maple,1,-3",
                              "48.00,72.00,180.00,360.00,2,0;-60,FFC19A6B,FF000000,Teak,1,7",
                          }));
    ASSERT_EQ(model.FillHistory.size(), 2u);
    // Equal orders both enter, next to each other, in either order.
    EXPECT_TRUE(
        (model.FillHistory == std::vector<FillHistoryEntry>{{0, kMaple}, {2, 0xFF000000u}}) ||
        (model.FillHistory == std::vector<FillHistoryEntry>{{2, 0xFF000000u}, {0, kMaple}}));

    const BowlModel sorted = ReadInto(
        PreviousDesign(), OneRowOfTwo({
                              "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFEFDDD4,Walnut,0,40",
                              "48.00,72.00,0.00,180.00,1,0;60,FFEFDDD4,FFFFFFFF,Maple,1,9",
                              "48.00,72.00,180.00,360.00,2,0;-60,FFC19A6B,FF000000,Teak,1,12",
                          }));
    EXPECT_EQ(sorted.FillHistory,
              (std::vector<FillHistoryEntry>{{1, kBlank}, {2, 0xFF000000u}, {0, kMaple}}));
}

TEST(DesignCsvReaderTest, WithoutTheMarkerOnlyParametersChange) {
    const BowlModel before = PreviousDesign();
    for (const char* marker :
         {"", "SegmentProp Start", "SegmentProp Start ,", "segmentprop start,"}) {
        const std::string file =
            JoinLines({"ID,2.00", "Rows,1", "Segments,2", marker, kColumnHeader,
                       "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,Walnut,0,1"});
        const BowlModel model = ReadInto(before, file);
        EXPECT_EQ(model.ID, 2.0) << marker;
        EXPECT_EQ(model.Rows, 1) << marker;
        EXPECT_TRUE(model.FillHistory.empty()) << marker;
        for (int k = 0; k <= 12; ++k) {
            ASSERT_EQ(Record(model, k), Record(before, k)) << marker << ' ' << k;
        }
    }
}

TEST(DesignCsvReaderTest, MarkerEndsTheHeaderAndTheNextLineIsDiscarded) {
    const BowlModel model = ReadInto(
        PreviousDesign(),
        JoinLines({"Rows,1", "Segments,2", "SegmentProp Start,",
                   "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,Walnut,0,1",
                   "48.00,72.00,0.00,180.00,1,0;60,FFEFDDD4,FFFFFFFF,Maple,1,2", "Rows,7"}));
    EXPECT_EQ(model.Rows, 1);
    EXPECT_EQ(Record(model, 0).SegmentColorName, "Maple");
    EXPECT_EQ(model.FillHistory, (std::vector<FillHistoryEntry>{{0, kBlank}}));
}

TEST(DesignCsvReaderTest, NameBytesRoundTripUnchanged) {
    const std::string name = "Ol\xE9o \xA0\x85\xFF\x80 wood";
    const std::string file =
        OneRowOfTwo({"0.00,48.00,0.00,360.00,0,0;0,FF123456,FFFFFFFF," + name + ",0,1",
                     "48.00,72.00,0.00,180.00,1,0;60,FFFFFFFF,00000000,\xC4\xD6,1,0",
                     "48.00,72.00,180.00,360.00,2,0;-60,FFFFFFFF,00000000,blank,1,0"});
    const BowlModel model = ReadInto(PreviousDesign(), file);
    EXPECT_EQ(Record(model, 0).SegmentColorName, name);
    EXPECT_EQ(Record(model, 1).SegmentColorName, "\xC4\xD6");
    EXPECT_EQ(model.RowTallies.at(1), (ColorCounts{{"blank", 1}, {"\xC4\xD6", 1}}));
    EXPECT_EQ(WriteDesignCsv(model, "2026-12-08"), file);
}

TEST(DesignCsvReaderTest, RefusesDesignsBeyondTheTableOrWithUnusableDiameters) {
    const HeaderCase cases[] = {
        {"100 x 100", JoinLines({"Rows,100", "Segments,100"}), 1.0, 3.0, 100, 100},
        {"2048 x 1", JoinLines({"Rows,2048", "Segments,1"}), 1.0, 3.0, 2048, 1},
        {"product wraps to 0", JoinLines({"Rows,65536", "Segments,65536"}), 1.0, 3.0, 65536, 65536},
        {"negative wrap", JoinLines({"Rows,-65536", "Segments,-65537"}), 1.0, 3.0, -65536, -65537},
        {"saturated", JoinLines({"Rows,99999999999", "Segments,2"}), 1.0, 3.0, 2147483647, 2},
        {"infinite ID", JoinLines({"ID,1e400"}), HUGE_VAL, 3.0, 3, 4},
        {"infinite OD", JoinLines({"OD,-inf"}), 1.0, -HUGE_VAL, 3, 4},
        {"NaN ID", JoinLines({"ID,nan"}), std::nan(""), 3.0, 3, 4},
        {"huge OD", JoinLines({"OD,1e300"}), 1.0, 1e300, 3, 4},
    };
    for (const HeaderCase& c : cases) {
        BowlModel before = PreviousDesign();
        before.ID = 1.0;
        before.OD = 3.0;
        const std::string file =
            c.header + JoinLines({"SegmentProp Start,", kColumnHeader,
                                  "0.00,48.00,0.00,360.00,0,0;0,FF8B4513,FFFFFFFF,Walnut,0,1"});
        BowlModel model = before;
        const ReadResult result = ReadDesignCsv(file, model);
        EXPECT_FALSE(result.ok) << c.name;
        const LimitError expected = CheckFileDesign(c.id, c.od, c.rows, c.segments);
        ASSERT_TRUE(expected) << c.name;
        EXPECT_EQ(result.error, *expected) << c.name;
        ExpectSameDesign(model, before);
    }
}

TEST(DesignCsvReaderTest, AcceptsTheLargestDesignAndItsLastRecord) {
    BowlModel full = MakeModel(23, 89);
    full.FillColor = kTeak;
    for (int k = 0; k <= 2047; ++k) {
        full.FillSegment(k);
    }
    const std::string file = WriteDesignCsv(full, "");
    BowlModel model = MakeModel(2, 2);
    ASSERT_TRUE(ReadDesignCsv(file, model).ok);
    for (int k : {0, 1, 2046, 2047}) {
        EXPECT_EQ(Record(model, k).SegmentColorName, "Teak");
        EXPECT_EQ(Record(model, k).SegmentRow, Record(full, k).SegmentRow);
        EXPECT_EQ(Record(model, k).SectorNumber, Record(full, k).SectorNumber);
    }
    EXPECT_EQ(model.FillHistory, full.FillHistory);
    EXPECT_EQ(model.RowTallies, [&] {
        full.RecountRowTallies();
        return full.RowTallies;
    }());
}

TEST(DesignCsvReaderTest, SaveAndOpenRestoresTheDesign) {
    BowlModel saved = MakeModel(5, 7);
    saved.ID = 2.25;
    saved.OD = 9.75;
    saved.ComputeGeometry(saved.PixelsPerInch);
    const std::pair<Argb, int> fills[] = {{kMaple, 3}, {kTeak, 0},        {kWalnut, 20},
                                          {kTeak, 3},  {0xFF123456u, 35}, {kWalnut, 9}};
    for (const auto& [color, k] : fills) {
        saved.FillColor = color;
        saved.FillSegment(k);
    }
    saved.RecountRowTallies();

    BowlModel opened = PreviousDesign();
    ASSERT_TRUE(ReadDesignCsv(WriteDesignCsv(saved, "2026-12-08"), opened).ok);
    EXPECT_EQ(opened.ID, 2.25);
    EXPECT_EQ(opened.OD, 9.75);
    EXPECT_EQ(opened.Rows, 5);
    EXPECT_EQ(opened.Segments, 7);
    for (int k = 0; k <= 35; ++k) {
        const SegmentProp& a = Record(opened, k);
        const SegmentProp& b = Record(saved, k);
        EXPECT_EQ(a.SectorNumber, b.SectorNumber);
        EXPECT_EQ(a.SegmentCenter, b.SegmentCenter);
        EXPECT_EQ(a.SegmentColor, b.SegmentColor);
        EXPECT_EQ(a.SegmentColorName, b.SegmentColorName);
        EXPECT_EQ(a.SegmentRow, b.SegmentRow);
        for (auto [read, kept] : {std::pair{a.InnerRadius, b.InnerRadius},
                                  {a.OuterRadius, b.OuterRadius},
                                  {a.LeftAngle, b.LeftAngle},
                                  {a.RightAngle, b.RightAngle}}) {
            EXPECT_NEAR(read, kept, 0.005 + 1e-9) << k;
        }
    }
    EXPECT_EQ(Record(opened, 3).RightAngle, 154.29);  // 3 * 360 / 7, rounded
    // Only the last fill of each record survives, in the order of those fills.
    const std::vector<FillHistoryEntry> history = {
        {0, kBlank}, {20, kBlank}, {3, kMaple}, {35, kBlank}, {9, kBlank}};
    EXPECT_EQ(opened.FillHistory, history);
    EXPECT_EQ(opened.RowTallies, saved.RowTallies);
}

// Shape lines are read leniently: what cannot be used is skipped and named,
// points are sorted and stretched between floor and rim, and a profile that
// leaves a row no wall gives way to the straight one. A file without shape
// lines has the default shape, whatever the design before it had.
TEST(DesignCsvReaderTest, ShapeLinesAreReadLeniently) {
    struct Case {
        const char* name;
        std::vector<std::string_view> lines;
        std::vector<std::string> notes;
        double ringHeight, wallThickness, rowThree;
        std::vector<ProfilePoint> profile;
    };
    const std::vector<ProfilePoint> straight = BowlShape::StraightProfile();
    BowlModel shaped = MakeModel(3, 4);
    shaped.Shape = {1.5, 0.5};
    shaped.Shape.profile = {{0.0, 0.0}, {0.5, 0.25}, {1.0, 1.0}};
    for (const Case& c : std::vector<Case>{
             {"no shape lines", {}, {}, 0.75, 0.25, 0.75, straight},
             {"spreadsheet decimal comma",
              {"RingHeight,\"1,25\"", "WallThickness,0.375", "RowHeight,3,2"},
              {},
              1.25,
              0.375,
              2.0,
              straight},
             {"unusable values",
              {"RingHeight,abc", "WallThickness,7", "RowHeight,4,1.0", "RowHeight,x,1.0",
               "RowHeight,3", "ProfilePoint,2.0"},
              {"These shape values were ignored: \"RingHeight,abc\", \"WallThickness,7\", "
               "\"RowHeight,x,1.0\", \"RowHeight,3\", \"ProfilePoint,2.0\", "
               "\"RowHeight,4,1.0\"."},
              0.75,
              0.25,
              0.75,
              straight},
             // Floor 0.75 and rim 3: the points (2, 1)..(6, 3) are stretched
             // onto (1.75, 0.75)..(4.05, 3).
             {"points out of order and not spanning",
              {"ProfilePoint,6,3", "ProfilePoint,2,1", "ProfilePoint,5,2"},
              {},
              0.75,
              0.25,
              0.75,
              {{0.0, 0.0}, {0.75, 0.5}, {1.0, 1.0}}},
             {"a profile that leaves no wall",
              {"ProfilePoint,1.75,0.75", "ProfilePoint,4.5,2", "ProfilePoint,4.05,3",
               "WallThickness,1"},
              {"The profile was replaced by the straight wall. Row 1 has no wall: the inside "
               "crosses the axis."},
              0.75,
              1.0,
              0.75,
              straight},
         }) {
        std::string file = JoinLines({"ID,3.50", "OD,8.10", "Rows,3", "Segments,4"});
        for (std::string_view line : c.lines) {
            file += std::string(line) + "\r\n";
        }
        BowlModel model = shaped;
        const ReadResult result = ReadDesignCsv(file, model);
        ASSERT_TRUE(result.ok) << c.name;
        EXPECT_EQ(result.notes, c.notes) << c.name;
        EXPECT_EQ(model.Shape.ringHeight, c.ringHeight) << c.name;
        EXPECT_EQ(model.Shape.wallThickness, c.wallThickness) << c.name;
        EXPECT_EQ(model.Shape.RowHeight(3), c.rowThree) << c.name;
        ASSERT_EQ(model.Shape.profile.size(), c.profile.size()) << c.name;
        for (std::size_t i = 0; i < c.profile.size(); ++i) {
            EXPECT_NEAR(model.Shape.profile[i].radius, c.profile[i].radius, 1e-12) << c.name;
            EXPECT_NEAR(model.Shape.profile[i].height, c.profile[i].height, 1e-12) << c.name;
        }
    }
}

TEST(DesignCsvReaderTest, UndoAfterOpeningRestoresTheOldColourOfTheLastFill) {
    BowlModel model = PreviousDesign();
    ASSERT_TRUE(ReadDesignCsv(ReadDataFile("default-design-filled.csv"), model).ok);
    EXPECT_EQ(model.UndoLastFill(), 30);
    EXPECT_EQ(Record(model, 30).SegmentColor, kMaple);
    EXPECT_EQ(Record(model, 30).SegmentColorName, "Maple");
    EXPECT_EQ(model.UndoLastFill(), 100);
    EXPECT_EQ(Record(model, 100).SegmentColorName, "blank");
    EXPECT_EQ(model.UndoLastFill(), 0);
    EXPECT_EQ(model.UndoLastFill(), std::nullopt);
}

}  // namespace
}  // namespace corvane
