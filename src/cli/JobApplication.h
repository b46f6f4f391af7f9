#pragma once

#include "Job.h"

#include <QApplication>

#include <memory>

namespace corvane {

class CommandLineOptions;

// Makes the application object a job runs in, on the platform it needs.
// Null, with a message, when there is no display for a job that needs one
// or the platform cannot start; a job that needs none gets none.
class JobApplication {
public:
    JobApplication(const Job& job, const CommandLineOptions& options);

    // False when the job cannot run here; it said why.
    bool start(int& argc, char** argv);

private:
    bool hasDisplay() const;

    const Job& job_;
    const CommandLineOptions& options_;
    std::unique_ptr<QApplication> application_;
};

}  // namespace corvane
