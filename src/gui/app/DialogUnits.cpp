#include "DialogUnits.h"

#include <QFontMetrics>

namespace corvane {

namespace {

// The average over the 52 letters, rounded, is what dialog layouts were
// measured against; a font's own average width is usually a little narrower.
int averageLetterWidth(const QFontMetrics& metrics) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}

// Rounds half away from zero, like the integer scaling dialogs have always used.
int scale(int units, int base, int divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor
                                         : -((-product + half) / divisor));
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    baseX_ = averageLetterWidth(metrics);
    baseY_ = metrics.height();
}

int DialogUnits::toPixelsX(int units) const {
    return scale(units, baseX_, 4);
}

int DialogUnits::toPixelsY(int units) const {
    return scale(units, baseY_, 8);
}

// Left and right edges are converted separately, as the dialog manager
// does, so that boxes that touch in units also touch in pixels.
QRect DialogUnits::toPixels(const QRect& units) const {
    const int left = toPixelsX(units.x());
    const int top = toPixelsY(units.y());
    const int right = toPixelsX(units.x() + units.width());
    const int bottom = toPixelsY(units.y() + units.height());
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace corvane
