#include "HelpPageLayout.h"

#include "DialogUnits.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvane {

namespace {

// Boxes are in dialog units. Some sentences run on from one box into the
// next; those boxes become one text, so no sentence is broken in the middle.
struct TemplateText {
    QRect box;
    const char* text;
    bool runsOn;
};

const TemplateText kTexts[] = {
    {{42, 14, 114, 8}, "Corvane07, Version 1.0", false},
    {{42, 26, 114, 8}, "Plans segmented bowls", false},
    {{7, 39, 560, 8},
     "Using the Parameters menu item, choose Show Parameter Box and enter the desired numbers for "
     "OD, ID, Number of Rows, and Number of Segments. OD and ID will basically result in a "
     "printout in inches.",
     false},
    {{7, 48, 560, 8},
     "Font size, which is used for tracking the number of colors in each row, may be changed "
     "here as well.",
     false},
    {{7, 62, 560, 8},
     "Also on the Parameters Menu is the fill color. You can choose a wood for an approximate "
     "color, or choose Custom Color to get your own color. Once you choose a fill color, click "
     "on a segment to fill.",
     false},
    {{7, 76, 560, 8},
     "If you make a mistake while filling, you can use UNDO from the menu or use the other "
     "options there. You can also clear all filled segments from the same menu item.",
     false},
    {{7, 93, 560, 16},
     "The Print menu item generally gives a printout that is in inches. An 8\" OD circle will "
     "generally almost fill an 8 1/2 x 11\" sheet. If you want to scale a printout to something "
     "different, either choose a new value for Scale Printout, or resize your drawing",
     false},
    {{7, 117, 560, 8},
     "You can use \"Symmetry Mode\" if your Corvane is repetative around the circle. You must "
     "choose the number of sectors (pie slices) to be a number that divides evenly into the "
     "number of segments. ",
     false},
    {{7, 126, 560, 19},
     "For example, if you have 24 segments, you can choose 2, 3, 4, 6, 8, or 12 sectors. In "
     "symmetry mode, a red outline marks the sector which is active. ",
     false},
    {{7, 136, 560, 8},
     "Filling segments in that sector result in the same segment being filled in all the other "
     "sectors in the same relative position. Filling segments outside the active sector results "
     "in single fills.",
     false},
    {{7, 149, 560, 19},
     "There is no prescribed order for previously filled segments if you choose new Rows or "
     "Segments. Adding Rows generally adds blank rows to the outsdie. Changes in ID, OD, Rows, "
     "and Segments cannot be undone from the undo menu.",
     false},
    {{7, 169, 533, 10},
     "From the Save menu item, you can save a drawing as a CSV file which can be opened by "
     "Excel. This remembers the number of rings, segments ring sizes, and all the fill colors "
     "you have used on ",
     true},
    {{7, 178, 533, 9},
     "segments. This file can be reopened for modifications. You can also modify the CSV file "
     "in Excel, but be careful. You could change the colors of segments if you wish, but you "
     "must match the color ",
     true},
    {{7, 188, 533, 9},
     "names and color numbers which are in ARGB format wirtten in hexadecimal. Be sure the "
     "number of rows of SegmentProp matches the rows and segments if you want to change those.",
     false},
    {{6, 204, 537, 9},
     "You can also save as BMP, JPG, or PNG image files, but these are simply the images and "
     "cannot be reopened by Corvane. You can use the saved image to print if you prefer direct "
     "print ",
     true},
    {{8, 213, 537, 8},
     "to the printer or modify them in any way using image editing software. These are "
     "particularly useful to print and take to the shop.",
     false},
};

const QRect kDialogBox(0, 0, 574, 261);
const QRect kIconBox(14, 14, 20, 20);
const QRect kOkBox(244, 240, 50, 14);
// The smallest gap the template leaves between two texts.
constexpr int kSmallestGapUnits = 1;
constexpr double kPointStep = 0.5;

struct Paragraph {
    QRect box;
    QString text;
};

QList<Paragraph> paragraphs() {
    QList<Paragraph> result;
    bool continuing = false;
    for (const TemplateText& part : kTexts) {
        if (continuing) {
            result.back().box = result.back().box.united(part.box);
            result.back().text += QString::fromLatin1(part.text);
        } else {
            result << Paragraph{part.box, QString::fromLatin1(part.text)};
        }
        continuing = part.runsOn;
    }
    return result;
}

// Dialog units of the font, with the horizontal ones narrowed where the
// dialog would be wider than the screen allows.
class PageUnits {
public:
    PageUnits(const QFont& font, int maxWidth) : units_(font) {
        const int width = units_.x(kDialogBox.width());
        narrowing_ = width > maxWidth ? double(std::max(maxWidth, 1)) / width : 1.0;
    }

    int x(int unitsX) const { return int(std::floor(units_.x(unitsX) * narrowing_)); }
    int y(int unitsY) const { return units_.y(unitsY); }
    // Edges are converted one by one, so boxes that touch in units touch in pixels.
    QRect toPixels(const QRect& box) const {
        return QRect(
            QPoint(x(box.left()), y(box.top())),
            QPoint(x(box.left() + box.width()), y(box.top() + box.height())) - QPoint(1, 1));
    }

private:
    DialogUnits units_;
    double narrowing_;
};

// The gap the template leaves between a box and the one below it; boxes
// that overlap in the template get the smallest gap.
int templateGap(const QRect& above, const QRect& below) {
    return std::max(kSmallestGapUnits, below.top() - (above.top() + above.height()));
}

// Moves a box below the text above it when that text has grown into its
// gap; `shift` collects how far everything further down has to move.
void keepBelow(QRect& rect, int textBottom, int gap, int& shift) {
    const int push = textBottom + gap - rect.top();
    if (push > 0) {
        rect.translate(0, push);
        shift += push;
    }
}

}  // namespace

QStringList HelpPageLayout::templateTexts() {
    QStringList texts;
    for (const TemplateText& part : kTexts) {
        texts << QString::fromLatin1(part.text);
    }
    return texts;
}

QFont HelpPageLayout::templateFont() {
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif")});
        return true;
    }();
    (void)substituted;
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

int HelpPageLayout::textHeight(const QFont& font, int width, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect space(0, 0, width, std::numeric_limits<int>::max() / 4);
    return metrics.boundingRect(space, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
        .height();
}

HelpPageLayout HelpPageLayout::at(const QFont& font, int maxWidth) {
    const PageUnits units(font, maxWidth);
    HelpPageLayout page;
    page.font_ = font;
    page.iconRect_ = units.toPixels(kIconBox);
    int shift = 0;
    int textBottom = std::numeric_limits<int>::min() / 2;
    QRect above;
    for (const Paragraph& paragraph : paragraphs()) {
        QRect rect = units.toPixels(paragraph.box).translated(0, shift);
        keepBelow(rect, textBottom, units.y(templateGap(above, paragraph.box)), shift);
        const int needed = textHeight(font, rect.width(), paragraph.text);
        rect.setHeight(std::max(rect.height(), needed));
        textBottom = rect.top() + needed;
        page.texts_ << Text{rect, paragraph.text};
        above = paragraph.box;
    }
    page.okRect_ = units.toPixels(kOkBox).translated(0, shift);
    keepBelow(page.okRect_, textBottom, units.y(templateGap(above, kOkBox)), shift);
    page.dialogSize_ = units.toPixels(kDialogBox).size() + QSize(0, shift);
    return page;
}

// Narrower boxes keep the text large but take more lines; once the page is
// too tall for the screen as well, the font gets smaller.
HelpPageLayout HelpPageLayout::fit(const QSize& available) {
    QFont font = templateFont();
    for (double size = font.pointSizeF();; size -= kPointStep) {
        font.setPointSizeF(size);
        HelpPageLayout page = at(font, available.width());
        if (page.dialogSize().height() <= available.height() ||
            size - kPointStep < kSmallestPointSize) {
            return page;
        }
    }
}

}  // namespace corvane
