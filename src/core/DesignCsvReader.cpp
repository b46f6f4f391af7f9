#include "DesignCsvReader.h"

#include "DesignLimits.h"
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

namespace {

constexpr std::string_view kSegmentSectionKey = "SegmentProp Start";
constexpr std::string_view kFillHistoryMark = "FillHistory,";
constexpr std::size_t kColumnCount = 11;

// Hands out the file's lines; LF ends a line, and the CR of a CR LF is left
// for trimming to remove. The last line needs no line end.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : rest_(bytes) {}

    std::optional<std::string_view> Next() {
        if (rest_.empty()) {
            return std::nullopt;
        }
        const std::size_t end = rest_.find('\n');
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }

private:
    std::string_view rest_;
};

// Tab to CR, space, and the single-byte next-line and no-break space.
bool IsTrimmedByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x09 && byte <= 0x0D) || byte == 0x20 || byte == 0x85 || byte == 0xA0;
}

std::string_view Trim(std::string_view line) {
    while (!line.empty() && IsTrimmedByte(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && IsTrimmedByte(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

struct DesignParameters {
    double id = 0.0;
    double od = 0.0;
    int rows = 0;
    int segments = 0;
};

// Applies one header line; returns true when it is the segment section marker.
bool ApplyHeaderLine(std::string_view line, DesignParameters& parameters) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return false;
    }
    const std::string_view key = line.substr(0, comma);
    const std::string_view value = line.substr(comma + 1);
    if (key == "ID") {
        parameters.id = StrToD(value);
    } else if (key == "OD") {
        parameters.od = StrToD(value);
    } else if (key == "Rows") {
        parameters.rows = AtoI(value);
    } else if (key == "Segments") {
        parameters.segments = AtoI(value);
    }
    return key == kSegmentSectionKey;
}

// Reads header lines up to the marker and skips the column header after it.
// Returns false when the file ends without a marker.
bool ReadHeaderSection(LineCursor& lines, DesignParameters& parameters) {
    while (const std::optional<std::string_view> line = lines.Next()) {
        const std::string_view trimmed = Trim(*line);
        if (!trimmed.empty() && ApplyHeaderLine(trimmed, parameters)) {
            lines.Next();
            return true;
        }
    }
    return false;
}

using RowColumns = std::array<std::string_view, kColumnCount>;

// Splits at every comma, dropping empty pieces; gives nothing when fewer than
// eleven pieces remain. Pieces after the eleventh are never looked at.
std::optional<RowColumns> SplitSegmentRow(std::string_view line) {
    RowColumns columns;
    std::size_t count = 0;
    while (count < kColumnCount && !line.empty()) {
        const std::size_t comma = line.find(',');
        const std::string_view piece = line.substr(0, comma);
        if (!piece.empty()) {
            columns[count++] = piece;
        }
        line.remove_prefix(comma == std::string_view::npos ? line.size() : comma + 1);
    }
    if (count < kColumnCount) {
        return std::nullopt;
    }
    return columns;
}

bool EndsSegmentSection(std::string_view trimmed) {
    return trimmed.empty() || trimmed.starts_with(kFillHistoryMark);
}

// Without a ";" the centre stays as it was.
void StoreSegmentCenter(std::string_view text, IntPoint& center) {
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos) {
        return;
    }
    center = {AtoI(text.substr(0, semicolon)), AtoI(text.substr(semicolon + 1))};
}

void StoreColumns(const RowColumns& columns, SegmentProp& segment) {
    segment.InnerRadius = StrToD(columns[0]);
    segment.OuterRadius = StrToD(columns[1]);
    segment.LeftAngle = StrToD(columns[2]);
    segment.RightAngle = StrToD(columns[3]);
    segment.SectorNumber = AtoI(columns[4]);
    StoreSegmentCenter(columns[5], segment.SegmentCenter);
    segment.SegmentColor = StrToUl16(columns[6]);
    segment.SegmentColorName = std::string(columns[8]);
    segment.SegmentRow = AtoI(columns[9]);
}

struct FillTriple {
    Argb oldColor = 0;
    int fillOrder = 0;
    int index = 0;
};

// Records as the file leaves them (index k at position k) and the fills to
// rebuild the history from.
struct StagedRows {
    std::vector<SegmentProp> records;
    std::vector<FillTriple> fills;
};

StagedRows ReadSegmentRows(LineCursor& lines, const BowlModel& model, std::int64_t recordCount) {
    StagedRows staged;
    while (static_cast<std::int64_t>(staged.records.size()) < recordCount) {
        const std::optional<std::string_view> line = lines.Next();
        if (!line || EndsSegmentSection(Trim(*line))) {
            break;
        }
        const std::optional<RowColumns> columns = SplitSegmentRow(Trim(*line));
        if (!columns) {
            continue;
        }
        const int k = static_cast<int>(staged.records.size());
        // Starting from the record's current contents keeps a centre that the
        // row does not give.
        SegmentProp segment = model.SegmentTable[static_cast<std::size_t>(k)];
        StoreColumns(*columns, segment);
        staged.records.push_back(std::move(segment));
        const int fillOrder = AtoI((*columns)[10]);
        if (fillOrder > 0) {
            staged.fills.push_back({StrToUl16((*columns)[7]), fillOrder, k});
        }
    }
    return staged;
}

std::vector<FillHistoryEntry> RebuildHistory(std::vector<FillTriple> fills) {
    std::stable_sort(fills.begin(), fills.end(), [](const FillTriple& a, const FillTriple& b) {
        return a.fillOrder < b.fillOrder;
    });
    std::vector<FillHistoryEntry> history;
    history.reserve(fills.size());
    for (const FillTriple& fill : fills) {
        history.push_back({fill.index, fill.oldColor});
    }
    return history;
}

void ApplyDesign(const DesignParameters& parameters, StagedRows&& staged, BowlModel& model) {
    model.ID = parameters.id;
    model.OD = parameters.od;
    model.Rows = parameters.rows;
    model.Segments = parameters.segments;
    std::move(staged.records.begin(), staged.records.end(), model.SegmentTable.begin());
    model.FillHistory = RebuildHistory(std::move(staged.fills));
    model.RecountRowTallies();
}

}  // namespace

ReadResult ReadDesignCsv(std::string_view bytes, BowlModel& model) {
    LineCursor lines(bytes);
    DesignParameters parameters{model.ID, model.OD, model.Rows, model.Segments};
    const bool hasSegmentSection = ReadHeaderSection(lines, parameters);
    // Everything after this point stays inside the table: a design that would
    // not fit, or whose pixel sizes would overflow, is refused as a whole.
    if (LimitError error =
            CheckFileDesign(parameters.id, parameters.od, parameters.rows, parameters.segments)) {
        return {false, std::move(*error)};
    }
    StagedRows staged;
    if (hasSegmentSection) {
        const std::int64_t recordCount = std::int64_t{parameters.rows} * parameters.segments + 1;
        staged = ReadSegmentRows(lines, model, recordCount);
    }
    ApplyDesign(parameters, std::move(staged), model);
    return {};
}

}  // namespace corvane
