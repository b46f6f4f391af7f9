#pragma once

#include "BowlModel.h"

#include <string>
#include <string_view>

namespace corvane {

struct ReadResult {
    bool ok = true;
    std::string error;  // names the reason when !ok
};

// Reads a design file's bytes into model (parameters, the records the file
// reaches, FillHistory) and recounts the tallies. Fields may be quoted as a
// spreadsheet quotes them. A file without any of the design's keys, a design
// that would not fit the table or whose diameters are unusable is refused,
// and then model is left exactly as it was.
ReadResult ReadDesignCsv(std::string_view bytes, BowlModel& model);

}  // namespace corvane
