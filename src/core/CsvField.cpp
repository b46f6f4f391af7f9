#include "CsvField.h"

namespace corvane {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool NeedsQuotes(const std::string& text) {
    return !text.empty() && (text.find_first_of(",\"") != std::string::npos ||
                             IsBlank(text.front()) || IsBlank(text.back()));
}

}  // namespace

std::string CsvField(const std::string& text) {
    if (!NeedsQuotes(text)) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

}  // namespace corvane
