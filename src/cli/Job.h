#pragma once

#include "ExitCode.h"
#include "JobRequest.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace corvane {

class BowlModel;
class CommandLineOptions;

// What a job runs in. The cut list needs no application object at all;
// pictures and PDFs are drawn on the offscreen platform, which needs no
// display; the window and the 3D picture need a real one.
enum class JobPlatform { None, Offscreen, Display };

// One entry of the command line's table of jobs.
struct Job {
    QString option;       // the option that asks for the job; empty for the window
    QStringList options;  // the options that belong to the job
    JobPlatform platform = JobPlatform::Offscreen;
    bool readsDesign = true;  // false: the job opens the design file itself
    QString needsDisplay;     // what to say when the job needs a display and there is none
    // Reads the job's options into request; false, with a message, when one
    // is unusable (a usage error).
    std::function<bool(const CommandLineOptions&, JobRequest&)> check;
    // Does the job; the design is read and the application object made.
    std::function<ExitCode(const JobRequest&, BowlModel&)> run;
};

}  // namespace corvane
