#pragma once

#include "BowlModel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

inline BowlModel MakeModel(int rows, int segments) {
    BowlModel model;
    model.Rows = rows;
    model.Segments = segments;
    model.ComputeGeometry(model.PixelsPerInch);
    return model;
}

// Joins lines, each followed by lineEnd (the last one too).
inline std::string JoinLines(std::initializer_list<std::string_view> lines,
                             std::string_view lineEnd = "\r\n") {
    std::string text;
    for (std::string_view line : lines) {
        text.append(line);
        text.append(lineEnd);
    }
    return text;
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string ReadDataFile(const std::string& name) {
    std::ifstream in(std::string(CORVANE_TEST_DATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Everything a design file can change or a reader must leave alone.
inline void ExpectSameDesign(const BowlModel& actual, const BowlModel& expected) {
    EXPECT_EQ(actual.ID, expected.ID);
    EXPECT_EQ(actual.OD, expected.OD);
    EXPECT_EQ(actual.Rows, expected.Rows);
    EXPECT_EQ(actual.Segments, expected.Segments);
    EXPECT_EQ(actual.FillHistory, expected.FillHistory);
    EXPECT_EQ(actual.RowTallies, expected.RowTallies);
    for (std::size_t k = 0; k < actual.SegmentTable.size(); ++k) {
        ASSERT_EQ(actual.SegmentTable[k], expected.SegmentTable[k]) << "record " << k;
    }
}

}  // namespace corvane::testing
