#pragma once

#include <QFont>
#include <QRect>

namespace corvane {

// Converts the dialog units of a dialog layout to pixels for the dialog's
// font: a horizontal unit is a quarter of the average character width, a
// vertical unit an eighth of the character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int averageCharWidth() const { return baseX_; }
    int charHeight() const { return baseY_; }

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(const QRect& units) const;

private:
    int baseX_;
    int baseY_;
};

}  // namespace corvane
