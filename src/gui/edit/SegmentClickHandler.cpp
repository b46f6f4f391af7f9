#include "SegmentClickHandler.h"

#include "DesignSurface.h"
#include "SegmentHitTest.h"

namespace corvane {

namespace {

bool Contains(const IntRect& rect, QPoint point) {
    return !rect.IsEmpty() && point.x() >= rect.left && point.x() < rect.right &&
           point.y() >= rect.top && point.y() < rect.bottom;
}

// The tally columns are painted over the rings; a segment under them cannot
// be seen, so a click there must not fill it.
bool IsOnTallies(const ViewLayout& layout, QPoint point) {
    for (const IntRect& column : layout.TallyRects) {
        if (Contains(column, point)) {
            return true;
        }
    }
    return false;
}

}  // namespace

SegmentClickHandler::SegmentClickHandler(DesignSurface& view) : QObject(&view), view_(view) {
    connect(&view_, &DesignSurface::leftClicked, this, &SegmentClickHandler::handleClick);
}

// The colour test asks what the window shows, which is the last painted
// picture; the centre and the sector are those of that paint.
void SegmentClickHandler::handleClick(QPoint position) {
    view_.paintIfStale();
    const ViewLayout& layout = view_.layout();
    if (IsOnTallies(layout, position)) {
        return;
    }
    const std::optional<int> target = HitTestSegment(view_.model(), layout, position.x(),
                                                     position.y(), view_.shownColorAt(position));
    if (target) {
        view_.document().fill(*target, layout.Sector);
    }
}

}  // namespace corvane
