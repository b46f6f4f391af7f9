#pragma once

namespace corvane {

// Parses the command line and either runs one headless job (export, print
// to PDF, cut list) or starts the program's window.
int RunCommandLine(int argc, char** argv);

}  // namespace corvane
