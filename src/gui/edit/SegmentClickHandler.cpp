#include "SegmentClickHandler.h"

#include "ActiveSector.h"
#include "BowlModel.h"
#include "DesignSurface.h"
#include "FillStatus.h"
#include "SegmentHitTest.h"

namespace corvane {

SegmentClickHandler::SegmentClickHandler(DesignSurface& view) : QObject(&view), view_(view) {
    connect(&view_, &DesignSurface::leftClicked, this, &SegmentClickHandler::handleClick);
}

// The colour test asks what the window shows, which is the last painted picture.
unsigned int SegmentClickHandler::shownColorAt(QPoint position) {
    if (view_.lastPaintedImage().isNull()) {
        view_.repaintNow();
    }
    return view_.shownColorAt(position);
}

void SegmentClickHandler::handleClick(QPoint position) {
    BowlModel& model = view_.model();
    const std::optional<int> target =
        HitTestSegment(model, position.x(), position.y(), shownColorAt(position));
    if (!target) {
        return;
    }
    std::vector<int> filled{*target};
    model.FillSegment(*target);
    if (model.SymmetrySectors > 0 && *target != 0) {
        const std::vector<int> copies = FillSymmetric(model, *target);
        filled.insert(filled.end(), copies.begin(), copies.end());
    }
    ShowFillStatus(model);
    model.RecountRowTallies();
    view_.repaintRecords(filled);
}

}  // namespace corvane
