#include "CCorvane07App.h"

#include "BowlModel.h"
#include "CMainFrame.h"

namespace corvane {

CCorvane07App::CCorvane07App(BowlModel& model) : model_(model) {}

CCorvane07App::~CCorvane07App() = default;

bool CCorvane07App::InitInstance() {
    mainFrame_ = std::make_unique<CMainFrame>(model_, &commands_);
    mainFrame_->restorePlacement();
    mainFrame_->show();
    return mainFrame_->isVisible();
}

}  // namespace corvane
