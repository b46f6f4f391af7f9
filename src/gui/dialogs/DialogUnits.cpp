#include "DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

#include <cmath>

namespace corvane {

namespace {

// The average width is taken over the letters and rounded up at a half,
// the way the dialog manager measures its base unit.
int AverageCharWidth(const QFontMetrics& metrics) {
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (letters / 26 + 1) / 2;
}

int Scale(int units, int base, int divisor) {
    return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    averageCharWidth_ = AverageCharWidth(metrics);
    charHeight_ = metrics.height();
}

int DialogUnits::x(int units) const {
    return Scale(units, averageCharWidth_, 4);
}

int DialogUnits::y(int units) const {
    return Scale(units, charHeight_, 8);
}

QSize DialogUnits::size(int width, int height) const {
    return QSize(x(width), y(height));
}

QRect DialogUnits::rect(int left, int top, int width, int height) const {
    const QPoint topLeft(x(left), y(top));
    return QRect(topLeft, QPoint(x(left + width), y(top + height)) - QPoint(1, 1));
}

QRect DialogUnits::toPixels(const QRect& units) const {
    return rect(units.x(), units.y(), units.width(), units.height());
}

void DialogUnits::place(QWidget& control, int left, int top, int width, int height) const {
    control.setGeometry(rect(left, top, width, height));
}

QFont DialogFont(const QString& family, int pointSize) {
    QFont font(family, pointSize);
    // Families of another platform resolve to its ordinary sans-serif face.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void PlaceAtOwnerOffset(QWidget& dialog, const QWidget* owner, QPoint offset) {
    if (owner == nullptr) {
        return;
    }
    dialog.move(owner->window()->frameGeometry().topLeft() + offset);
}

}  // namespace corvane
