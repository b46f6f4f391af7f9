#include "ViewProbe.h"

#include "BowlModel.h"
#include "DesignView.h"

#include <QtTest>

namespace corvane::test {

QPoint SegmentPoint(const BowlModel& model, int k) {
    const SegmentProp& segment = model.SegmentTable[k];
    return QPoint(model.CenterX + segment.SegmentCenter.x, model.CenterY + segment.SegmentCenter.y);
}

Argb ShownColor(const QImage& image, QPoint point) {
    return image.pixel(point) | 0xFF000000u;
}

bool HasDarkPixel(const QImage& image, const QRect& rect, int threshold) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.valid(x, y) && qGray(image.pixel(x, y)) < threshold) {
                return true;
            }
        }
    }
    return false;
}

void ClickView(DesignView& view, QPoint point) {
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, point);
}

}  // namespace corvane::test
