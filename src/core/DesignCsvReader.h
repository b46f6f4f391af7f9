#pragma once

#include "BowlModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct ReadResult {
    bool ok = true;
    std::string error;  // names the reason when !ok
    // What of the bowl's shape could not be used, one sentence each; the
    // design is opened all the same.
    std::vector<std::string> notes;
};

// Reads a design file's bytes into model (parameters, the bowl's shape, the
// records the file reaches, FillHistory) and recounts the tallies. A file
// without shape lines has the default shape. Shape lines that cannot be used
// are skipped, and a profile that would leave a row no wall gives way to the
// straight wall; the notes say so. Fields may be quoted as a
// spreadsheet quotes them. A file without any of the design's keys, a design
// that would not fit the table or whose diameters are unusable is refused,
// and then model is left exactly as it was.
ReadResult ReadDesignCsv(std::string_view bytes, BowlModel& model);

}  // namespace corvane
