#include "ViewProbe.h"

#include "BowlModel.h"
#include "DesignPlacement.h"
#include "DesignView.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

namespace corvane::test {

ViewLayout CentredLayout(QSize clientSize) {
    ViewLayout layout;
    layout.CenterX = clientSize.width() / 2;
    layout.CenterY = clientSize.height() / 2;
    return layout;
}

QPoint SegmentPoint(const BowlModel& model, const ViewLayout& layout, int k) {
    const SegmentProp& segment = model.SegmentTable[k];
    const ViewPoint point = DesignToView(layout.Placement, layout.CenterX + segment.SegmentCenter.x,
                                         layout.CenterY + segment.SegmentCenter.y);
    return QPoint(static_cast<int>(std::lround(point.x)), static_cast<int>(std::lround(point.y)));
}

Argb ShownColor(const QImage& image, QPoint point) {
    return image.pixel(point) | 0xFF000000u;
}

bool ShowsColor(const QImage& image, Argb color) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        if (std::any_of(line, line + pixels.width(), [&](QRgb pixel) {
                return (pixel | 0xFF000000u) == (color | 0xFF000000u);
            })) {
            return true;
        }
    }
    return false;
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
