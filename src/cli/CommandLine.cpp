#include "CommandLine.h"

#include "AppTexts.h"
#include "BowlModel.h"
#include "CommandLineOptions.h"
#include "DesignFile.h"
#include "JobApplication.h"
#include "JobTable.h"
#include "NativeFileName.h"
#include "OutputFile.h"
#include "PrintError.h"
#include "ProgramVersion.h"
#include "StandardStreams.h"

#include <new>

namespace corvane {

namespace {

// The arguments as the system gave them: a file name that is not UTF-8
// must still name its file (QCoreApplication::arguments() would not keep it).
QStringList decodedArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(DecodeFileName(QByteArray(argv[i])));
    }
    return arguments;
}

QString helpText(const CommandLineOptions& options) {
    QString text = UsageText() + QLatin1Char('\n') + options.optionsHelp();
    text += QStringLiteral(
        "\nExit status:\n"
        "  0  the job is done\n"
        "  1  the job failed: a file could not be read or written, the memory ran out, or\n"
        "     there is no display for the window or --export-3d\n"
        "  2  the command line was wrong; nothing was done\n");
    if (options.wantsHelpAll()) {
        text += QLatin1Char('\n') + CommandLineOptions::qtOptionsHelp();
    }
    return text;
}

ExitCode printOut(const QString& text, const char* what) {
    const std::optional<QString> failure = WriteStandardOutput(text.toUtf8().toStdString());
    if (failure) {
        PrintError(QStringLiteral("cannot write the %1: %2").arg(QLatin1String(what), *failure));
        return ExitCode::Failed;
    }
    return ExitCode::Done;
}

// The design a job reads: the default one at 96 pixels per inch, or the
// file given; false, with a message, when the file cannot be read.
bool loadDesign(const QString& path, BowlModel& model) {
    model.PixelsPerInch = 96;
    model.ComputeGeometry(model.PixelsPerInch);
    if (path.isEmpty()) {
        return true;
    }
    const DesignFile::Result result = DesignFile::open(path, model);
    if (!result.ok) {
        PrintError(QStringLiteral("%1: %2").arg(path, result.message));
    }
    return result.ok;
}

// The request of the chosen job, checked; nothing when it is a usage error.
std::optional<JobRequest> checkedRequest(const Job& job, const CommandLineOptions& options) {
    const QStringList designs = options.positionalArguments();
    if (designs.size() > 1) {
        PrintError(QStringLiteral("give at most one design file."));
        return std::nullopt;
    }
    JobRequest request;
    request.design = designs.isEmpty() ? QString() : designs.constFirst();
    if (!job.check(options, request)) {
        return std::nullopt;
    }
    if (!request.output.isEmpty() && !IsNotTheDesign(request.output, request.design)) {
        return std::nullopt;
    }
    return request;
}

ExitCode runJob(const Job& job, const CommandLineOptions& options, const JobRequest& request,
                int& argc, char** argv) {
    BowlModel model;
    if (job.readsDesign && !loadDesign(request.design, model)) {
        return ExitCode::Failed;
    }
    JobApplication application(job, options);
    if (!application.start(argc, argv)) {
        return ExitCode::Failed;
    }
    return job.run(request, model);
}

ExitCode runCommandLine(int& argc, char** argv) {
    CommandLineOptions options;
    if (!options.parse(decodedArguments(argc, argv))) {
        PrintError(options.errorText());
        return ExitCode::Usage;
    }
    if (options.wantsHelp()) {
        return printOut(helpText(options), "help");
    }
    if (options.wantsVersion()) {
        return printOut(
            QStringLiteral("%1 %2\n").arg(QLatin1String(kAppTitle), QLatin1String(kProgramVersion)),
            "version");
    }
    const Job* job = ChosenJob(options);
    if (job == nullptr) {
        return ExitCode::Usage;
    }
    const std::optional<JobRequest> request = checkedRequest(*job, options);
    if (!request) {
        return ExitCode::Usage;
    }
    return runJob(*job, options, *request, argc, argv);
}

}  // namespace

// Qt's containers report memory that cannot be had by throwing; what was
// being written is then not written at all, so the old file stays.
int RunCommandLine(int argc, char** argv) {
    HoldClosedStandardStreams();
    try {
        return int(runCommandLine(argc, argv));
    } catch (const std::bad_alloc&) {
        PrintError(QStringLiteral("not enough memory to finish the job; nothing was written."));
        return int(ExitCode::Failed);
    }
}

}  // namespace corvane
