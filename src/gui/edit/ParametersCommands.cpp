#include "ParametersCommands.h"

#include "CChildView.h"
#include "CParametersBox.h"
#include "CommandIds.h"
#include "DialogService.h"

namespace corvane {

ParametersCommands::ParametersCommands(CChildView& view) : QObject(&view), view_(view) {
    view_.commands().add(cmd::ShowParametersBox, [this] { showParametersBox(); });
}

// The box changes the design while it is open; its result adds nothing.
void ParametersCommands::showParametersBox() {
    CParametersBox box(view_);
    DialogService::instance().runDialog(box);
}

}  // namespace corvane
