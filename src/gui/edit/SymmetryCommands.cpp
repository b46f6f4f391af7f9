#include "SymmetryCommands.h"

#include "ActiveSector.h"
#include "CommandIds.h"
#include "DesignSurface.h"
#include "DialogService.h"
#include "SymmetryDialog.h"
#include "SymmetryErrorDialog.h"

namespace corvane {

SymmetryCommands::SymmetryCommands(DesignSurface& view) : QObject(&view), view_(view) {
    view_.commands().add(cmd::EnterSymmetryMode, [this] { enterSymmetryMode(); });
    view_.commands().add(cmd::ExitSymmetryMode, [this] { exitSymmetryMode(); });
}

// Asks until a count is accepted or the user cancels either dialog; only an
// accepted count changes anything. The view repaints at once, so that the
// sector angles a click is tested against are those of the new count.
void SymmetryCommands::enterSymmetryMode() {
    DialogService& dialogs = DialogService::instance();
    QWidget* owner = view_.window();
    for (;;) {
        SymmetryDialog request(owner);
        if (dialogs.runDialog(request) != QDialog::Accepted) {
            return;
        }
        if (IsAcceptableSectorCount(request.RequestedSectors, view_.model().Segments)) {
            view_.document().setSymmetrySectors(request.RequestedSectors);
            return;
        }
        SymmetryErrorDialog refusal(owner);
        if (dialogs.runDialog(refusal) == QDialog::Rejected) {
            return;
        }
    }
}

void SymmetryCommands::exitSymmetryMode() {
    view_.document().setSymmetrySectors(0);
}

}  // namespace corvane
