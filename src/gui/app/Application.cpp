#include "Application.h"

#include "AppSettings.h"
#include "CommandIds.h"
#include "DialogService.h"
#include "HelpDialog.h"
#include "MainWindow.h"

#include <QApplication>

namespace corvane {

namespace {

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

Application::Application(DesignDocument& document) : document_(document) {
    // Desktops match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane"));
    addCommands();
}

Application::~Application() = default;

void Application::addCommands() {
    commands_.add(cmd::HelpForCorvane, [this] { showHelp(); });
    commands_.addRange(cmd::LookFirst, cmd::LookLast, [this](int id) { applyLook(id); });
    for (int id = cmd::LookFirst; id <= cmd::LookLast; ++id) {
        commands_.setChecked(id, [this, id] { return appLook_ == id; });
    }
}

// A value that is not a number counts as missing; any number is kept, even
// one the look table does not know.
int Application::storedLook() {
    AppSettings settings;
    bool isNumber = false;
    const int look = settings.value(SettingsKeys::ApplicationLook).toInt(&isNumber);
    return isNumber ? look : ApplicationLook::kDefault;
}

bool Application::showMainWindow() {
    mainWindow_ = std::make_unique<MainWindow>(document_, &commands_);
    // The stored look is applied as if its command had been chosen, before
    // the frame is first shown; this also writes it back.
    applyLook(storedLook());
    mainWindow_->restorePlacement();
    mainWindow_->show();
    return mainWindow_->isVisible();
}

void Application::applyLook(int lookId) {
    WaitCursor wait;
    appLook_ = lookId;
    if (mainWindow_ != nullptr) {
        ApplicationLook::apply(lookId, *mainWindow_);
        mainWindow_->repaint();
        mainWindow_->updateCommandStates();
    }
    AppSettings settings;
    settings.setValue(SettingsKeys::ApplicationLook, lookId);
}

void Application::showHelp() {
    HelpDialog dialog(mainWindow_.get());
    DialogService::instance().runDialog(dialog);
}

}  // namespace corvane
