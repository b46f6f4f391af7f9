#include "FillColorCommands.h"

#include "CommandIds.h"
#include "DesignSurface.h"
#include "DialogService.h"
#include "FillStatus.h"
#include "NamedColorTable.h"

namespace corvane {

FillColorCommands::FillColorCommands(DesignSurface& view) : QObject(&view), view_(view) {
    for (const WoodCommand& wood : WoodCommands) {
        const Argb color = wood.color;
        view_.commands().add(wood.commandId, [this, color] { chooseWood(color); });
    }
    view_.commands().add(cmd::ChooseCustomColor, [this] { chooseCustomColor(); });
}

void FillColorCommands::chooseWood(unsigned int color) {
    view_.document().setFillColor(color);
    ShowFillStatus(view_.model());
}

// Cancelling keeps the colour but still refreshes the status text.
void FillColorCommands::chooseCustomColor() {
    const std::optional<QColor> picked = DialogService::instance().chooseColor(view_.window());
    if (picked) {
        view_.document().setFillColor(ArgbFromRgb(picked->red(), picked->green(), picked->blue()));
    }
    ShowFillStatus(view_.model());
}

}  // namespace corvane
