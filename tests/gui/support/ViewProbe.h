#pragma once

#include "SegmentProp.h"
#include "ViewLayout.h"

#include <QImage>
#include <QPoint>
#include <QSize>

namespace corvane {
class BowlModel;
class DesignView;
}  // namespace corvane

namespace corvane::test {

// The layout a paint of this client size gives, but for the sector angles.
ViewLayout CentredLayout(QSize clientSize);
// Client point of the middle of record k (its stored centre offset), zoomed
// and scrolled as the layout says.
QPoint SegmentPoint(const BowlModel& model, const ViewLayout& layout, int k);

// The colour shown at a point, opaque.
Argb ShownColor(const QImage& image, QPoint point);

// True when some pixel of the image shows the colour (alpha ignored).
bool ShowsColor(const QImage& image, Argb color);

// True when the image has a pixel darker than the threshold inside rect.
bool HasDarkPixel(const QImage& image, const QRect& rect, int threshold = 100);

// Clicks the view with the left button at a client point.
void ClickView(DesignView& view, QPoint point);

}  // namespace corvane::test
