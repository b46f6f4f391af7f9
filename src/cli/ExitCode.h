#pragma once

namespace corvane {

// What the program tells its caller when it ends.
enum class ExitCode : int {
    Done = 0,
    Failed = 1,  // the job was started and did not succeed
    Usage = 2,   // the command line asks for something that cannot be done as given
};

}  // namespace corvane
