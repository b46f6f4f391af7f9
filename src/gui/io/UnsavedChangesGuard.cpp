#include "UnsavedChangesGuard.h"

#include "DesignCsvWriter.h"
#include "DesignFileCommands.h"
#include "DesignSurface.h"
#include "DialogService.h"

namespace corvane {

UnsavedChangesGuard::UnsavedChangesGuard(DesignSurface& view) : QObject(&view), view_(view) {
    if (DesignFileCommands* files = DesignFileCommands::of(view_)) {
        connect(files, &DesignFileCommands::designSynced, this, &UnsavedChangesGuard::markSynced);
    }
    markSynced();
}

// The file's own text is the measure: whatever a save would write differently
// is a change; a change undone again is none.
std::string UnsavedChangesGuard::designText() const {
    return WriteDesignCsv(view_.model(), std::string());
}

void UnsavedChangesGuard::markSynced() {
    synced_ = designText();
}

bool UnsavedChangesGuard::hasUnsavedChanges() const {
    return designText() != synced_;
}

bool UnsavedChangesGuard::confirmClose() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    switch (DialogService::instance().askSaveChanges(view_.window())) {
        case SaveChangesAnswer::Discard:
            return true;
        case SaveChangesAnswer::Save: {
            DesignFileCommands* files = DesignFileCommands::of(view_);
            return files != nullptr && files->saveCsv();
        }
        case SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}

}  // namespace corvane
