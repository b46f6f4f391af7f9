#include "CommandLine.h"

int main(int argc, char** argv) {
    return corvane::RunCommandLine(argc, argv);
}
