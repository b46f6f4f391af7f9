#pragma once

#include <string>

namespace corvane {

// A field of a CSV file as a spreadsheet reads it back: in double quotes
// (a double quote inside doubled) when it holds a comma or a double quote or
// begins or ends with a blank, which a spreadsheet would trim; as it stands
// otherwise, so that files without such fields keep their bytes.
std::string CsvField(const std::string& text);

}  // namespace corvane
