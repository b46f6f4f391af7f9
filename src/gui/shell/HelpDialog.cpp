#include "HelpDialog.h"

#include "AppIcon.h"
#include "DialogUnits.h"

#include <QLabel>
#include <QPushButton>

namespace corvane {

namespace {

// Boxes are in dialog units; each text is cut off at the bottom of its box,
// which is why some sentences carry on in the next box.
struct TextBox {
    QRect box;
    const char* text;
};

const TextBox kTexts[] = {
    {{42, 14, 114, 8}, "Corvane07, Version 1.0"},
    {{42, 26, 114, 8}, "Plans segmented turned bowls"},
    {{7, 39, 560, 8},
     "Using the Parameters menu item, choose Show Parameter Box and enter the desired numbers for "
     "OD, ID, Number of Rows, and Number of Segments. OD and ID will basically result in a "
     "printout in inches."},
    {{7, 48, 560, 8},
     "Font size, which is used for tracking the number of colors in each row, may be changed "
     "here as well."},
    {{7, 62, 560, 8},
     "Also on the Parameters Menu is the fill color. You can choose a wood for an approximate "
     "color, or choose Custom Color to get your own color. Once you choose a fill color, click "
     "on a segment to fill."},
    {{7, 76, 560, 8},
     "If you make a mistake while filling, you can use UNDO from the menu or use the other "
     "options there. You can also clear all filled segments from the same menu item."},
    {{7, 93, 560, 16},
     "The Print menu item generally gives a printout that is in inches. An 8\" OD circle will "
     "generally almost fill an 8 1/2 x 11\" sheet. If you want to scale a printout to something "
     "different, either choose a new value for Scale Printout, or resize your drawing"},
    {{7, 117, 560, 8},
     "You can use \"Symmetry Mode\" if your Corvane is repetative around the circle. You must "
     "choose the number of sectors (pie slices) to be a number that divides evenly into the "
     "number of segments. "},
    {{7, 126, 560, 19},
     "For example, if you have 24 segments, you can choose 2, 3, 4, 6, 8, or 12 sectors. In "
     "symmetry mode, a red outline marks the sector which is active. "},
    {{7, 136, 560, 8},
     "Filling segments in that sector result in the same segment being filled in all the other "
     "sectors in the same relative position. Filling segments outside the active sector results "
     "in single fills."},
    {{7, 149, 560, 19},
     "There is no prescribed order for previously filled segments if you choose new Rows or "
     "Segments. Adding Rows generally adds blank rows to the outsdie. Changes in ID, OD, Rows, "
     "and Segments cannot be undone from the undo menu."},
    {{7, 169, 533, 10},
     "From the Save menu item, you can save a drawing as a CSV file which can be opened by "
     "Excel. This remembers the number of rings, segments ring sizes, and all the fill colors "
     "you have used on "},
    {{7, 178, 533, 9},
     "segments. This file can be reopened for modifications. You can also modify the CSV file "
     "in Excel, but be careful. You could change the colors of segments if you wish, but you "
     "must match the color "},
    {{7, 188, 533, 9},
     "names and color numbers which are in ARGB format wirtten in hexadecimal. Be sure the "
     "number of rows of SegmentProp matches the rows and segments if you want to change those."},
    {{6, 204, 537, 9},
     "You can also save as BMP, JPG, or PNG image files, but these are simply the images and "
     "cannot be reopened by Corvane. You can use the saved image to print if you prefer direct "
     "print "},
    {{8, 213, 537, 8},
     "to the printer or modify them in any way using image editing software. These are "
     "particularly useful to print and take to the shop."},
};

const QRect kDialogSize(0, 0, 574, 261);
const QRect kIconBox(14, 14, 20, 20);
const QRect kOkBox(244, 240, 50, 14);
constexpr int kSystemIconSize = 32;

}  // namespace

QFont HelpDialog::dialogFont() {
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

HelpDialog::HelpDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Help with Corvane"));
    setModal(true);
    setFont(dialogFont());
    const DialogUnits units(font());
    setFixedSize(units.toPixels(kDialogSize).size());

    addIcon(units.toPixels(kIconBox));
    for (const TextBox& text : kTexts) {
        addText(units.toPixels(text.box), QString::fromLatin1(text.text));
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(units.toPixels(kOkBox));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// The icon keeps the system icon size inside its box, as icon controls do.
void HelpDialog::addIcon(const QRect& box) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("appIcon"));
    icon->setPixmap(AppIcon().pixmap(kSystemIconSize, kSystemIconSize));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setGeometry(box);
}

// Top alignment and a fixed size make a long text show its first lines and
// lose the rest at the box's bottom edge.
void HelpDialog::addText(const QRect& box, const QString& text) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(0);
    label->setContentsMargins(0, 0, 0, 0);
    label->setGeometry(box);
    label->setFixedSize(box.size());
}

}  // namespace corvane
