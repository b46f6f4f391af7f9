#pragma once

#include "SegmentProp.h"

#include <QImage>
#include <QPoint>

namespace corvane {
class BowlModel;
class DesignView;
}  // namespace corvane

namespace corvane::test {

// Client point of the middle of record k (its stored centre offset).
QPoint SegmentPoint(const BowlModel& model, int k);

// The colour shown at a point, opaque.
Argb ShownColor(const QImage& image, QPoint point);

// True when the image has a pixel darker than the threshold inside rect.
bool HasDarkPixel(const QImage& image, const QRect& rect, int threshold = 100);

// Clicks the view with the left button at a client point.
void ClickView(DesignView& view, QPoint point);

}  // namespace corvane::test
