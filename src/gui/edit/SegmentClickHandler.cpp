#include "SegmentClickHandler.h"

#include "ActiveSector.h"
#include "BowlModel.h"
#include "DesignSurface.h"
#include "FillStatus.h"
#include "SegmentHitTest.h"

namespace corvane {

namespace {

QRect toQRect(const IntRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace

SegmentClickHandler::SegmentClickHandler(DesignSurface& view) : QObject(&view), view_(view) {
    connect(&view_, &DesignSurface::leftClicked, this, &SegmentClickHandler::handleClick);
}

// The colour test asks what the window shows, which is the last painted picture.
unsigned int SegmentClickHandler::shownColorAt(QPoint position) {
    if (view_.lastPaintedImage().isNull()) {
        view_.repaintNow();
    }
    const QImage& shown = view_.lastPaintedImage();
    if (!shown.valid(position)) {
        return kBlankColor;
    }
    return shown.pixel(position) | 0xFF000000u;
}

void SegmentClickHandler::fillOne(int index) {
    BowlModel& model = view_.model();
    model.FillSegment(index);
    ShowFillStatus(model);
    view_.update(toQRect(index == 0 ? CenterDiscRect(model) : SegmentUpdateRect(model, index)));
}

void SegmentClickHandler::handleClick(QPoint position) {
    BowlModel& model = view_.model();
    const std::optional<int> target =
        HitTestSegment(model, position.x(), position.y(), shownColorAt(position));
    if (!target) {
        return;
    }
    fillOne(*target);
    if (model.SymmetrySectors > 0 && *target != 0) {
        for (int copy : FillSymmetric(model, *target)) {
            ShowFillStatus(model);
            view_.update(toQRect(SegmentUpdateRect(model, copy)));
        }
    }
    model.RecountRowTallies();
    view_.invalidateTallies();
    view_.repaintNow();
}

}  // namespace corvane
