#include "UnsavedChangesGuard.h"

#include "DesignFileCommands.h"
#include "DesignSurface.h"
#include "DialogService.h"

namespace corvane {

UnsavedChangesGuard::UnsavedChangesGuard(DesignSurface& view, DesignFileCommands& files)
    : QObject(&view), view_(view), files_(files) {}

bool UnsavedChangesGuard::hasUnsavedChanges() const {
    return view_.document().hasUnsavedChanges();
}

bool UnsavedChangesGuard::confirmClose() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    switch (DialogService::instance().askSaveChanges(view_.window())) {
        case SaveChangesAnswer::Discard:
            return true;
        case SaveChangesAnswer::Save:
            return files_.saveCsv();
        case SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}

}  // namespace corvane
