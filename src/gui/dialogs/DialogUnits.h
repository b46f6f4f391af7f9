#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace corvane {

// Converts dialog-template units to pixels for a dialog font: a horizontal
// unit is a quarter of the font's average character width, a vertical unit
// an eighth of its height, so the dialogs keep their proportions whatever
// the font resolves to.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int averageCharWidth() const { return averageCharWidth_; }
    int charHeight() const { return charHeight_; }

    int x(int units) const;
    int y(int units) const;
    QSize size(int width, int height) const;
    // Edges are converted one by one, as the dialog manager does, so boxes
    // that touch in units also touch in pixels.
    QRect rect(int left, int top, int width, int height) const;
    QRect toPixels(const QRect& units) const;

    // Places a control at a template rectangle.
    void place(QWidget& control, int left, int top, int width, int height) const;

private:
    int averageCharWidth_;
    int charHeight_;
};

// The font of a dialog template: a family and a point size.
QFont DialogFont(const QString& family, int pointSize);

// Moves a dialog so that its top-left corner lies at an offset from the
// top-left corner of the owner's window, size kept. Without an owner the
// dialog stays where the platform puts it.
void PlaceAtOwnerOffset(QWidget& dialog, const QWidget* owner, QPoint offset);

}  // namespace corvane
