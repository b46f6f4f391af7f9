#include "SegmentClickHandler.h"

#include "DesignSurface.h"
#include "SegmentHitTest.h"

namespace corvane {

SegmentClickHandler::SegmentClickHandler(DesignSurface& view) : QObject(&view), view_(view) {
    connect(&view_, &DesignSurface::leftClicked, this, &SegmentClickHandler::handleClick);
}

// The colour test asks what the window shows, which is the last painted
// picture; the centre and the sector are those of that paint.
void SegmentClickHandler::handleClick(QPoint position) {
    view_.paintIfStale();
    const ViewLayout& layout = view_.layout();
    const std::optional<int> target = HitTestSegment(view_.model(), layout, position.x(),
                                                     position.y(), view_.shownColorAt(position));
    if (target) {
        view_.document().fill(*target, layout.Sector);
    }
}

}  // namespace corvane
