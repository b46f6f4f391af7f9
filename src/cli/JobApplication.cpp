#include "JobApplication.h"

#include "AppTexts.h"
#include "CommandLineOptions.h"
#include "PrintError.h"
#include "ProgramVersion.h"

#include <cstdlib>

namespace corvane {

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt aborts when its platform cannot start (a display that does not
// answer); the program says why and fails instead.
void failInsteadOfAborting(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type != QtFatalMsg) {
        if (previousHandler != nullptr) {
            previousHandler(type, context, message);
        }
        return;
    }
    PrintError(message);
    std::_Exit(int(ExitCode::Failed));
}

}  // namespace

JobApplication::JobApplication(const Job& job, const CommandLineOptions& options)
    : job_(job), options_(options) {}

bool JobApplication::hasDisplay() const {
    return options_.choosesPlatform() || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool JobApplication::start(int& argc, char** argv) {
    switch (job_.platform) {
        case JobPlatform::None:
            return true;
        case JobPlatform::Offscreen:
            // Pictures come out the same on every machine, desktop or not.
            if (!options_.choosesPlatform() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            break;
        case JobPlatform::Display:
            if (!hasDisplay()) {
                PrintError(job_.needsDisplay);
                return false;
            }
            break;
    }
    previousHandler = qInstallMessageHandler(failInsteadOfAborting);
    application_ = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    QApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganization));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    return true;
}

}  // namespace corvane
