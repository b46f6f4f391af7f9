#pragma once

#include "AtomicFileWriter.h"
#include "ExitCode.h"

#include <QString>

namespace corvane {

// Prints "corvane: " and the text on standard error. File names in the
// text come out as the bytes they were given as, even when they are not UTF-8.
void PrintError(const QString& text);

// The exit code of a job that ends by saving its file; a failed save's
// reason is printed.
ExitCode ExitAfterSave(const AtomicFileWriter::Result& saved);

// The system's text for an errno value.
QString SystemErrorText(int errorNumber);

}  // namespace corvane
