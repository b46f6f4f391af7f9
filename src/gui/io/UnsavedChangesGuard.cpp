#include "UnsavedChangesGuard.h"

#include "DesignFileCommands.h"
#include "DesignSurface.h"

namespace corvane {

UnsavedChangesGuard::UnsavedChangesGuard(DesignSurface& view, DesignFileCommands& files)
    : QObject(&view), view_(view), files_(files) {}

bool UnsavedChangesGuard::hasUnsavedChanges() const {
    return view_.document().hasUnsavedChanges();
}

bool UnsavedChangesGuard::confirmClose() {
    return files_.mayReplaceDesign();
}

}  // namespace corvane
