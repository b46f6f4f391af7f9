#pragma once

#include <QString>

namespace corvane {

// Prints "corvane: " and the text on standard error. File names in the
// text come out as the bytes they were given as, even when they are not UTF-8.
void PrintError(const QString& text);

// The system's text for an errno value.
QString SystemErrorText(int errorNumber);

}  // namespace corvane
