#include "DesignCsvReader.h"

#include "DesignLimits.h"
#include "NumberText.h"
#include "ShapeFrame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

namespace {

constexpr std::string_view kSegmentSectionKey = "SegmentProp Start";
constexpr std::string_view kFillHistoryKey = "FillHistory";
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

// One comma-separated field as a spreadsheet may write it. A field that
// begins with a double quote and whose closing quote comes right before a
// comma or the line's end is quoted: it may hold commas, and a doubled quote
// inside it stands for one. Every other field is taken as it stands, up to
// the next comma, exactly as files without quotes were always read.
struct Field {
    std::string text;
    bool quoted = false;
    bool endedByComma = false;
};

// The quoted field that begins at line[start] (a '"'): its text and the
// position just after its closing quote, or nothing when it is not closed
// right before a comma or the line's end.
std::optional<std::pair<std::string, std::size_t>> QuotedFieldAt(std::string_view line,
                                                                 std::size_t start) {
    std::string text;
    for (std::size_t i = start + 1; i < line.size(); ++i) {
        if (line[i] != '"') {
            text += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            text += '"';
            ++i;
        } else if (i + 1 == line.size() || line[i + 1] == ',') {
            return std::pair{std::move(text), i + 1};
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// Reads the field at pos and moves pos past the comma that ends it.
Field NextField(std::string_view line, std::size_t& pos) {
    Field field;
    std::size_t end = std::string_view::npos;
    if (pos < line.size() && line[pos] == '"') {
        if (auto quoted = QuotedFieldAt(line, pos)) {
            field.text = std::move(quoted->first);
            field.quoted = true;
            end = quoted->second;
        }
    }
    if (!field.quoted) {
        end = std::min(line.find(',', pos), line.size());
        field.text = std::string(line.substr(pos, end - pos));
    }
    field.endedByComma = end < line.size();
    pos = field.endedByComma ? end + 1 : line.size();
    return field;
}

// A spreadsheet in a German or French locale writes "3,75", quoted because
// of its comma; unquoted, the comma has always ended the number.
double DecimalOf(const Field& field) {
    if (field.quoted) {
        if (const std::optional<double> value = ParseDecimalCommaNumber(field.text)) {
            return *value;
        }
    }
    return LeadingDoubleOrZero(field.text);
}

// A number, or nothing when the field does not begin with one.
std::optional<double> NumberOf(const Field& field) {
    if (field.quoted) {
        if (const std::optional<double> value = ParseDecimalCommaNumber(field.text)) {
            return value;
        }
    }
    const std::optional<double> value = ParseLeadingDouble(field.text);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

// The shape's lines as read; checked against the design once its rows are known.
struct ShapeLines {
    BowlShape shape;
    std::vector<std::pair<int, double>> rowHeights;
    std::vector<std::string> rowHeightLines;
    std::vector<ProfilePoint> points;
    std::vector<std::string> ignored;  // lines as the file has them
};

struct DesignParameters {
    double id = 0.0;
    double od = 0.0;
    int rows = 0;
    int segments = 0;
    ShapeLines shape;
};

// A length within its limits, or nothing.
std::optional<double> LengthOf(const Field& field, LimitError (*check)(double)) {
    const std::optional<double> value = NumberOf(field);
    return value && !check(*value) ? value : std::nullopt;
}

// True when the key is one of the shape's; a value that cannot be used is
// noted and left out.
bool ApplyShapeLine(std::string_view line, const Field& key, std::size_t pos, ShapeLines& shape) {
    const Field first = NextField(line, pos);
    bool usable = false;
    if (key.text == "RingHeight") {
        const std::optional<double> height = LengthOf(first, CheckRingHeight);
        usable = height.has_value();
        shape.shape.ringHeight = height.value_or(shape.shape.ringHeight);
    } else if (key.text == "WallThickness") {
        const std::optional<double> wall = LengthOf(first, CheckWallThickness);
        usable = wall.has_value();
        shape.shape.wallThickness = wall.value_or(shape.shape.wallThickness);
    } else if (key.text == "RowHeight") {
        const std::optional<int> row = ParseLeadingInt(first.text);
        const std::optional<double> height = LengthOf(NextField(line, pos), CheckRingHeight);
        usable = row && height;
        if (usable) {
            shape.rowHeights.push_back({*row, *height});
            shape.rowHeightLines.emplace_back(line);
            return true;
        }
    } else if (key.text == "ProfilePoint") {
        const std::optional<double> radius = NumberOf(first);
        const std::optional<double> height = NumberOf(NextField(line, pos));
        usable = radius && height;
        if (usable) {
            shape.points.push_back({*radius, *height});
        }
    } else {
        return false;
    }
    if (!usable) {
        shape.ignored.emplace_back(line);
    }
    return true;
}

enum class HeaderLine { Other, Parameter, SectionMarker };

// Applies one header line and tells what it was.
HeaderLine ApplyHeaderLine(std::string_view line, DesignParameters& parameters) {
    std::size_t pos = 0;
    const Field key = NextField(line, pos);
    if (!key.endedByComma) {
        return HeaderLine::Other;
    }
    if (ApplyShapeLine(line, key, pos, parameters.shape)) {
        return HeaderLine::Parameter;
    }
    const Field value = NextField(line, pos);
    if (key.text == "ID") {
        parameters.id = DecimalOf(value);
    } else if (key.text == "OD") {
        parameters.od = DecimalOf(value);
    } else if (key.text == "Rows") {
        parameters.rows = LeadingIntOrZero(value.text);
    } else if (key.text == "Segments") {
        parameters.segments = LeadingIntOrZero(value.text);
    } else {
        return key.text == kSegmentSectionKey ? HeaderLine::SectionMarker : HeaderLine::Other;
    }
    return HeaderLine::Parameter;
}

struct HeaderSection {
    bool foundDesign = false;  // a parameter key or the marker was seen
    bool hasSegmentRows = false;
};

// Reads header lines up to the marker and skips the column header after it.
HeaderSection ReadHeaderSection(LineCursor& lines, DesignParameters& parameters) {
    HeaderSection section;
    while (const std::optional<std::string_view> line = lines.Next()) {
        const std::string_view trimmed = Trim(*line);
        if (trimmed.empty()) {
            continue;
        }
        const HeaderLine kind = ApplyHeaderLine(trimmed, parameters);
        section.foundDesign = section.foundDesign || kind != HeaderLine::Other;
        if (kind == HeaderLine::SectionMarker) {
            lines.Next();
            section.hasSegmentRows = true;
            break;
        }
    }
    return section;
}

using RowColumns = std::array<Field, kColumnCount>;

// Splits into fields, dropping empty unquoted ones; gives nothing when fewer
// than eleven remain. Fields after the eleventh are never looked at.
std::optional<RowColumns> SplitSegmentRow(std::string_view line) {
    RowColumns columns;
    std::size_t count = 0;
    std::size_t pos = 0;
    while (count < kColumnCount && pos < line.size()) {
        Field field = NextField(line, pos);
        if (field.quoted || !field.text.empty()) {
            columns[count++] = std::move(field);
        }
    }
    if (count < kColumnCount) {
        return std::nullopt;
    }
    return columns;
}

bool EndsSegmentSection(std::string_view trimmed) {
    if (trimmed.empty()) {
        return true;
    }
    std::size_t pos = 0;
    const Field first = NextField(trimmed, pos);
    return first.endedByComma && first.text == kFillHistoryKey;
}

// Without a ";" the centre stays as it was.
void StoreSegmentCenter(std::string_view text, IntPoint& center) {
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos) {
        return;
    }
    center = {LeadingIntOrZero(text.substr(0, semicolon)),
              LeadingIntOrZero(text.substr(semicolon + 1))};
}

void StoreColumns(const RowColumns& columns, SegmentProp& segment) {
    segment.InnerRadius = DecimalOf(columns[0]);
    segment.OuterRadius = DecimalOf(columns[1]);
    segment.LeftAngle = DecimalOf(columns[2]);
    segment.RightAngle = DecimalOf(columns[3]);
    segment.SectorNumber = LeadingIntOrZero(columns[4].text);
    StoreSegmentCenter(columns[5].text, segment.SegmentCenter);
    segment.SegmentColor = LeadingHexColor(columns[6].text);
    segment.SegmentColorName = columns[8].text;
    segment.SegmentRow = LeadingIntOrZero(columns[9].text);
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
        const int fillOrder = LeadingIntOrZero((*columns)[10].text);
        if (fillOrder > 0) {
            staged.fills.push_back({LeadingHexColor((*columns)[7].text), fillOrder, k});
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

std::string QuotedList(const std::vector<std::string>& lines) {
    std::string list;
    for (const std::string& line : lines) {
        list += (list.empty() ? "\"" : ", \"") + line + "\"";
    }
    return list;
}

// The shape the lines give this design. Row heights need the design's rows;
// the profile is fitted once the heights are known, and must leave every row
// a wall.
BowlShape ShapeOf(const DesignParameters& parameters, std::vector<std::string>& notes) {
    ShapeLines lines = parameters.shape;
    BowlModel frame;
    frame.ID = parameters.id;
    frame.OD = parameters.od;
    frame.Rows = parameters.rows;
    frame.Segments = parameters.segments;
    frame.Shape = lines.shape;
    const int rows = std::clamp(parameters.rows, 0, kMaxLiveSegments);
    for (std::size_t i = 0; i < lines.rowHeights.size(); ++i) {
        const auto [row, height] = lines.rowHeights[i];
        if (row >= 1 && row <= rows) {
            frame.Shape.rowHeights[row] = height;
        } else {
            lines.ignored.push_back(lines.rowHeightLines[i]);
        }
    }
    std::erase_if(frame.Shape.rowHeights,
                  [&](const auto& row) { return row.second == frame.Shape.ringHeight; });
    if (!lines.points.empty()) {
        frame.Shape.profile = FitProfile(frame, lines.points);
    }
    if (!lines.ignored.empty()) {
        notes.push_back("These shape values were ignored: " + QuotedList(lines.ignored) + ".");
    }
    if (!frame.Shape.IsStraight()) {
        if (LimitError error = CheckShape(frame)) {
            frame.Shape.profile = BowlShape::StraightProfile();
            notes.push_back("The profile was replaced by the straight wall. " + *error);
        }
    }
    return frame.Shape;
}

void ApplyDesign(const DesignParameters& parameters, StagedRows&& staged, BowlModel& model,
                 std::vector<std::string>& notes) {
    model.ID = parameters.id;
    model.OD = parameters.od;
    model.Rows = parameters.rows;
    model.Segments = parameters.segments;
    model.Shape = ShapeOf(parameters, notes);
    std::move(staged.records.begin(), staged.records.end(), model.SegmentTable.begin());
    model.FillHistory = RebuildHistory(std::move(staged.fills));
    model.RecountRowTallies();
}

}  // namespace

ReadResult ReadDesignCsv(std::string_view bytes, BowlModel& model) {
    LineCursor lines(bytes);
    DesignParameters parameters{model.ID, model.OD, model.Rows, model.Segments, {}};
    const HeaderSection header = ReadHeaderSection(lines, parameters);
    // A file with none of the design's keys is no design (a picture, a cut
    // list): opening it would only empty the history and then pass for a
    // successful open, so that the next save overwrote it.
    if (!header.foundDesign) {
        return {false, "no design found in this file.", {}};
    }
    // Everything after this point stays inside the table: a design that would
    // not fit, or whose pixel sizes would overflow, is refused as a whole.
    if (LimitError error =
            CheckFileDesign(parameters.id, parameters.od, parameters.rows, parameters.segments)) {
        return {false, std::move(*error), {}};
    }
    StagedRows staged;
    if (header.hasSegmentRows) {
        const std::int64_t recordCount = std::int64_t{parameters.rows} * parameters.segments + 1;
        staged = ReadSegmentRows(lines, model, recordCount);
    }
    ReadResult result;
    ApplyDesign(parameters, std::move(staged), model, result.notes);
    return result;
}

}  // namespace corvane
