#include "DesignCsvWriter.h"

#include "CsvField.h"
#include "NumberText.h"
#include "ShapeFrame.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <vector>

namespace corvane {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kColumnHeader =
    "InnerRadius,OuterRadius,LeftAngle,RightAngle,SectorNumber,SegmentCenter,SegmentColor,"
    "OldColor,SegmentColorName,SegmentRow,FillOrder";

// What the file keeps of the history for one record: its last fill.
struct LastFill {
    int position = 0;  // 1-based place in the history, 0 for none
    Argb oldColor = 0;
};

// Index of the last record written, or -1 when the design has no records to
// write. A product beyond the table stops at the table's end so that nothing
// outside it is ever read.
int LastWrittenIndex(const BowlModel& model) {
    const std::int64_t last = std::int64_t{model.Rows} * model.Segments;
    if (last < 0) {
        return -1;
    }
    return static_cast<int>(std::min<std::int64_t>(last, kMaxLiveSegments));
}

std::vector<LastFill> LastFillsUpTo(const std::vector<FillHistoryEntry>& history, int last) {
    std::vector<LastFill> fills(static_cast<std::size_t>(last + 1));
    int position = 0;
    for (const FillHistoryEntry& entry : history) {
        ++position;
        if (entry.SegmentIndex >= 0 && entry.SegmentIndex <= last) {
            fills[static_cast<std::size_t>(entry.SegmentIndex)] = {position, entry.OldColor};
        }
    }
    return fills;
}

std::string Fixed4(double value) {
    return FormatFixed(value, 4);
}

// A value as a reader of the file gets it back.
double AsRead(const std::string& text) {
    return LeadingDoubleOrZero(text);
}

// The design's frame as the file holds it: diameters to two decimals,
// heights to four. Points placed in it lie exactly where a reader of the
// file places the ends, so that reading the file and saving it again
// writes the same lines.
BowlModel FrameAsWritten(const BowlModel& model) {
    BowlModel frame;
    frame.ID = AsRead(FormatFixed2(model.ID));
    frame.OD = AsRead(FormatFixed2(model.OD));
    frame.Rows = model.Rows;
    frame.Segments = model.Segments;
    frame.Shape = model.Shape;
    frame.Shape.ringHeight = AsRead(Fixed4(model.Shape.ringHeight));
    for (auto& [row, height] : frame.Shape.rowHeights) {
        height = AsRead(Fixed4(height));
    }
    return frame;
}

// Only what differs from the default shape as the file shows it, so that a
// design without a shape of its own is written exactly as it always was. A
// point whose height would read as its neighbour's is left out, as a reader
// would leave it out.
void AppendShape(std::string& out, const BowlModel& model) {
    const BowlShape& shape = model.Shape;
    const std::string ringHeight = Fixed4(shape.ringHeight);
    if (ringHeight != Fixed4(kDefaultRingHeightInches)) {
        out += "RingHeight," + ringHeight + kLineEnd;
    }
    const int rows = std::clamp(model.Rows, 0, kMaxLiveSegments);
    for (const auto& [row, height] : shape.rowHeights) {
        if (row >= 1 && row <= rows && Fixed4(height) != ringHeight) {
            out += "RowHeight," + std::to_string(row) + "," + Fixed4(height) + kLineEnd;
        }
    }
    if (Fixed4(shape.wallThickness) != Fixed4(kDefaultWallThicknessInches)) {
        out += "WallThickness," + Fixed4(shape.wallThickness) + kLineEnd;
    }
    if (shape.IsStraight()) {
        return;
    }
    std::string lastHeight;
    for (const ProfilePoint& point : PlacedProfile(FrameAsWritten(model))) {
        const std::string height = Fixed4(point.height);
        if (height != lastHeight) {
            out += "ProfilePoint," + Fixed4(point.radius) + "," + height + kLineEnd;
        }
        lastHeight = height;
    }
}

void AppendHeader(std::string& out, const BowlModel& model, const std::string& date) {
    out += "Corvane CSV File,Created: " + date + kLineEnd;
    out += "ID," + FormatFixed2(model.ID) + kLineEnd;
    out += "OD," + FormatFixed2(model.OD) + kLineEnd;
    out += "Rows," + std::to_string(model.Rows) + kLineEnd;
    out += "Segments," + std::to_string(model.Segments) + kLineEnd;
    AppendShape(out, model);
    out += std::string("SegmentProp Start,") + kLineEnd;
    out += std::string(kColumnHeader) + kLineEnd;
}

// Quoted exactly when the name would not read back as it stands, and when
// it is empty: an empty field counts for nothing and would drop its row.
// Every other name is written as it is, so files without such names stay
// byte for byte what they always were.
void AppendName(std::string& out, const std::string& name) {
    out += name.empty() ? std::string("\"\"") : CsvField(name);
}

void AppendSegmentRow(std::string& out, const SegmentProp& segment, const LastFill& fill) {
    out += FormatFixed2(segment.InnerRadius);
    out += ',';
    out += FormatFixed2(segment.OuterRadius);
    out += ',';
    out += FormatFixed2(segment.LeftAngle);
    out += ',';
    out += FormatFixed2(segment.RightAngle);
    out += ',';
    out += std::to_string(segment.SectorNumber);
    out += ',';
    out += std::to_string(segment.SegmentCenter.x);
    out += ';';
    out += std::to_string(segment.SegmentCenter.y);
    out += ',';
    out += FormatHex8(segment.SegmentColor);
    out += ',';
    out += FormatHex8(fill.oldColor);
    out += ',';
    AppendName(out, segment.SegmentColorName);
    out += ',';
    out += std::to_string(segment.SegmentRow);
    out += ',';
    out += std::to_string(fill.position);
    out += kLineEnd;
}

// The reentrant form, so that no other caller's static tm is overwritten.
bool ToLocalTime(std::time_t time, std::tm& local) {
#ifdef _WIN32
    return localtime_s(&local, &time) == 0;
#else
    return localtime_r(&time, &local) != nullptr;
#endif
}

bool SameShapeOnFile(const BowlModel& a, const BowlModel& b) {
    const BowlShape& x = a.Shape;
    const BowlShape& y = b.Shape;
    if (x.ringHeight != y.ringHeight || x.wallThickness != y.wallThickness ||
        x.profile != y.profile) {
        return false;
    }
    const int rows = std::clamp(a.Rows, 0, kMaxLiveSegments);
    for (int row = 1; row <= rows; ++row) {
        if (x.RowHeight(row) != y.RowHeight(row)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string WriteDesignCsv(const BowlModel& model, const std::string& date) {
    const int last = LastWrittenIndex(model);
    std::string out;
    // A segment row is rarely longer than 80 bytes; reserving avoids regrowth.
    out.reserve(512 + static_cast<std::size_t>(last + 1) * 80);
    AppendHeader(out, model, date);
    if (last < 0) {
        return out;
    }
    const std::vector<LastFill> fills = LastFillsUpTo(model.FillHistory, last);
    for (int k = 0; k <= last; ++k) {
        AppendSegmentRow(out, model.SegmentTable[static_cast<std::size_t>(k)],
                         fills[static_cast<std::size_t>(k)]);
    }
    return out;
}

bool SameDesignOnFile(const BowlModel& a, const BowlModel& b) {
    if (a.ID != b.ID || a.OD != b.OD || a.Rows != b.Rows || a.Segments != b.Segments ||
        !SameShapeOnFile(a, b)) {
        return false;
    }
    const int last = LastWrittenIndex(a);
    if (last < 0) {
        return true;
    }
    const std::vector<LastFill> fillsOfA = LastFillsUpTo(a.FillHistory, last);
    const std::vector<LastFill> fillsOfB = LastFillsUpTo(b.FillHistory, last);
    for (std::size_t k = 0; k <= static_cast<std::size_t>(last); ++k) {
        if (!(a.SegmentTable[k] == b.SegmentTable[k]) ||
            fillsOfA[k].position != fillsOfB[k].position ||
            fillsOfA[k].oldColor != fillsOfB[k].oldColor) {
            return false;
        }
    }
    return true;
}

std::string LocalDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || !ToLocalTime(now, local)) {
        return {};
    }
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%Y-%m-%d", &local);
    return std::string(buffer, length);
}

}  // namespace corvane
