// Feeds arbitrary bytes to the design file reader and checks what must hold
// for any file: a refused file changes nothing, an accepted one leaves a
// design that fits the table, tallies and history that only name live
// records, and a model whose saved form reads back to the same file.

#include "BowlModel.h"
#include "DesignCsvReader.h"
#include "DesignCsvWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace {

using corvane::BowlModel;

void Require(bool condition, const char* invariant) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

// A design with fills and a history, so that a read that wrongly keeps or
// mixes in old state shows up.
const BowlModel& PreviousDesign() {
    static const BowlModel model = [] {
        BowlModel design;
        design.FillColor = 0xFFC19A6Bu;
        for (int k : {0, 5, 30, 192, 5}) {
            design.FillSegment(k);
        }
        design.RecountRowTallies();
        return design;
    }();
    return model;
}

bool SameDesign(const BowlModel& a, const BowlModel& b) {
    // Bitwise for the doubles, so that NaN parameters compare as themselves.
    const auto sameBits = [](double x, double y) {
        return std::string_view(reinterpret_cast<const char*>(&x), sizeof x) ==
               std::string_view(reinterpret_cast<const char*>(&y), sizeof y);
    };
    return sameBits(a.ID, b.ID) && sameBits(a.OD, b.OD) && a.Rows == b.Rows &&
           a.Segments == b.Segments && a.FillHistory == b.FillHistory &&
           a.RowTallies == b.RowTallies && a.SegmentTable == b.SegmentTable;
}

void CheckAcceptedDesign(const BowlModel& model) {
    const std::int64_t product = std::int64_t{model.Rows} * model.Segments;
    Require(product <= corvane::kMaxLiveSegments, "Rows * Segments fits the table");

    const int last = model.LastLiveIndex();
    std::set<int> liveRows;
    for (int k = 0; k <= last; ++k) {
        liveRows.insert(model.SegmentTable[static_cast<std::size_t>(k)].SegmentRow);
    }
    std::int64_t counted = 0;
    for (const auto& [row, counts] : model.RowTallies) {
        Require(liveRows.count(row) == 1, "tallies only for rows of live records");
        for (const auto& entry : counts) {
            Require(entry.second > 0, "tally counts are positive");
            counted += entry.second;
        }
    }
    Require(counted == last + 1, "every live record counted once");

    for (const corvane::FillHistoryEntry& entry : model.FillHistory) {
        Require(entry.SegmentIndex >= 0 && entry.SegmentIndex <= last,
                "history names live records only");
    }
}

// Everything a save keeps without rounding: the counts, the history, the
// tallies, and every live record's colour, name, row, sector and centre.
bool SameDesignButRounding(const BowlModel& a, const BowlModel& b) {
    if (a.Rows != b.Rows || a.Segments != b.Segments || a.FillHistory != b.FillHistory ||
        a.RowTallies != b.RowTallies) {
        return false;
    }
    for (int k = 0; k <= a.LastLiveIndex(); ++k) {
        const corvane::SegmentProp& x = a.SegmentTable[static_cast<std::size_t>(k)];
        const corvane::SegmentProp& y = b.SegmentTable[static_cast<std::size_t>(k)];
        if (x.SegmentColor != y.SegmentColor || x.SegmentColorName != y.SegmentColorName ||
            x.SegmentRow != y.SegmentRow || x.SectorNumber != y.SectorNumber ||
            x.SegmentCenter != y.SegmentCenter) {
            return false;
        }
    }
    return true;
}

// Read, write, read: the design that comes back is the one that was saved,
// and saving it again gives the same file.
void CheckSavedFormReadsBack(const BowlModel& model) {
    const std::string saved = corvane::WriteDesignCsv(model, "2026-12-08");
    static BowlModel reopened;
    // From the same model, so that records a file with no rows leaves alone
    // stay as they were on both sides.
    reopened = model;
    const corvane::ReadResult result = corvane::ReadDesignCsv(saved, reopened);
    Require(result.ok, "a saved design opens again");
    Require(SameDesignButRounding(reopened, model), "a saved design reads back the same");
    Require(corvane::WriteDesignCsv(reopened, "2026-12-08") == saved,
            "a reopened design saves the same file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Static: the model is too large to copy onto the stack for every input.
    static BowlModel model;
    model = PreviousDesign();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const corvane::ReadResult result = corvane::ReadDesignCsv(bytes, model);
    if (!result.ok) {
        Require(!result.error.empty(), "a refusal names its reason");
        Require(SameDesign(model, PreviousDesign()), "a refused file changes nothing");
        return 0;
    }
    CheckAcceptedDesign(model);
    CheckSavedFormReadsBack(model);
    return 0;
}
