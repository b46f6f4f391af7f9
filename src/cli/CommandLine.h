#pragma once

namespace corvane {

// Reads the command line, checks it, and runs the one job it asks for:
// the window, or a job without one (export, print to PDF, cut list).
// Everything is checked before an application object exists, so a wrong
// command line is told, with exit code 2, even where there is no display.
int RunCommandLine(int argc, char** argv);

}  // namespace corvane
