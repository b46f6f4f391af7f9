#pragma once

class QString;

namespace corvane {

class BowlModel;

// Parses the command line and either runs one headless job (export, print
// to PDF, cut list) or starts the program's window.
int RunCommandLine(int argc, char** argv);

// Reads a design CSV file into model as opening it in the program does: the
// geometry is used as stored in the file. On failure model is left as it was
// and error names the file and the reason.
bool loadDesignFile(const QString& path, BowlModel& model, QString* error);

}  // namespace corvane
