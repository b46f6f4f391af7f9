#include "WindowJob.h"

#include "Application.h"
#include "BowlModel.h"
#include "DesignDocument.h"
#include "DesignFileCommands.h"
#include "MainWindow.h"

#include <QApplication>

namespace corvane {

namespace {

// The window opens the design itself, so that a file it cannot read is
// told in its message box like any other.
ExitCode runWindow(const JobRequest& request, BowlModel&) {
    DesignDocument document;
    Application app(document);
    if (!app.showMainWindow()) {
        return ExitCode::Failed;
    }
    if (!request.design.isEmpty()) {
        app.mainWindow()->designFiles().openPath(request.design, false);
    }
    return ExitCode(QApplication::exec());
}

}  // namespace

Job WindowJob() {
    Job job;
    job.platform = JobPlatform::Display;
    job.readsDesign = false;
    job.needsDisplay = QStringLiteral(
        "the window needs a display, and none is set (DISPLAY and WAYLAND_DISPLAY are empty); "
        "--export-image, --print-pdf and --cut-list work without one.");
    job.check = [](const CommandLineOptions&, JobRequest&) { return true; };
    job.run = runWindow;
    return job;
}

}  // namespace corvane
