#include "SymmetrySuspension.h"

#include "BowlModel.h"
#include "DesignSurface.h"

namespace corvane {

SymmetrySuspension::SymmetrySuspension(DesignSurface& view)
    : view_(view), savedSectors_(view.model().SymmetrySectors) {
    view_.model().SymmetrySectors = 0;
}

SymmetrySuspension::~SymmetrySuspension() {
    restore();
}

void SymmetrySuspension::restore() {
    if (restored_) {
        return;
    }
    restored_ = true;
    view_.model().SymmetrySectors = savedSectors_;
    view_.repaintNow();
}

}  // namespace corvane
