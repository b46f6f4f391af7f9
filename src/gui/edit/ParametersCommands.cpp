#include "ParametersCommands.h"

#include "CommandIds.h"
#include "DesignSurface.h"
#include "DialogService.h"
#include "ParametersBox.h"

namespace corvane {

ParametersCommands::ParametersCommands(DesignSurface& view) : QObject(&view), view_(view) {
    view_.commands().add(cmd::ShowParametersBox, [this] { showParametersBox(); });
}

// The box changes the design while it is open; its result adds nothing.
void ParametersCommands::showParametersBox() {
    ParametersBox box(view_);
    DialogService::instance().runDialog(box);
}

}  // namespace corvane
