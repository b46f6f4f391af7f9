#include "CCorvane07App.h"

#include "AppSettings.h"
#include "BowlModel.h"
#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "DialogService.h"

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

CCorvane07App::CCorvane07App(BowlModel& model) : model_(model) {
    addCommands();
}

CCorvane07App::~CCorvane07App() = default;

void CCorvane07App::addCommands() {
    commands_.add(cmd::HelpForCorvane, [this] { OnHelpForCorvane(); });
    commands_.addRange(cmd::LookFirst, cmd::LookLast, [this](int id) { OnApplicationLook(id); });
    for (int id = cmd::LookFirst; id <= cmd::LookLast; ++id) {
        commands_.setChecked(id, [this, id] { return appLook_ == id; });
    }
}

// A value that is not a number counts as missing; any number is kept, even
// one the look table does not know.
int CCorvane07App::storedLook() {
    AppSettings settings;
    bool isNumber = false;
    const int look = settings.value(ApplicationLook::kSettingsKey).toInt(&isNumber);
    return isNumber ? look : ApplicationLook::kDefault;
}

bool CCorvane07App::InitInstance() {
    mainFrame_ = std::make_unique<CMainFrame>(model_, &commands_);
    // The stored look is applied as if its command had been chosen, before
    // the frame is first shown; this also writes it back.
    OnApplicationLook(storedLook());
    mainFrame_->restorePlacement();
    mainFrame_->show();
    return mainFrame_->isVisible();
}

void CCorvane07App::OnApplicationLook(int lookId) {
    WaitCursor wait;
    appLook_ = lookId;
    if (mainFrame_ != nullptr) {
        ApplicationLook::apply(lookId, *mainFrame_);
        mainFrame_->repaint();
        mainFrame_->updateCommandStates();
    }
    AppSettings settings;
    settings.setValue(ApplicationLook::kSettingsKey, lookId);
}

void CCorvane07App::OnHelpForCorvane() {
    CAboutDlg dialog(mainFrame_.get());
    DialogService::instance().runDialog(dialog);
}

}  // namespace corvane
