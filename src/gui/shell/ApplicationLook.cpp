#include "ApplicationLook.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace corvane {

namespace {

// Colours of one look. Borders are CSS colour lists so that the classic look
// can draw raised edges (light top-left, dark bottom-right).
struct LookColors {
    int id;
    const char* family;
    const char* window;
    const char* button;
    const char* highlight;
    const char* highlightText;
    const char* menuTop;
    const char* menuBottom;
    const char* menuText;
    const char* toolTop;
    const char* toolBottom;
    const char* toolBorder;
    const char* hoverTop;
    const char* hoverBottom;
    const char* hoverBorder;
    const char* selectTop;
    const char* selectBottom;
    const char* selectBorder;
    const char* selectText;
    const char* statusTop;
    const char* statusBottom;
    const char* statusText;
    const char* popup;  // pop-up menus and tooltips
};

// clang-format off
const LookColors kLooks[] = {
    {205, "Windows 2000",
     "#D4D0C8", "#D4D0C8", "#0A246A", "#FFFFFF",
     "#D4D0C8", "#D4D0C8", "#000000",
     "#D4D0C8", "#D4D0C8", "#808080",
     "#D4D0C8", "#D4D0C8", "#FFFFFF #808080 #808080 #FFFFFF",
     "#0A246A", "#0A246A", "#0A246A", "#FFFFFF",
     "#D4D0C8", "#D4D0C8", "#000000",
     "#D4D0C8"},
    {206, "Office XP",
     "#E8E6E1", "#DBD8D1", "#B6BDD2", "#000000",
     "#E8E6E1", "#E8E6E1", "#000000",
     "#F7F6F3", "#F0EEE9", "#B5B2AB",
     "#C1D2EE", "#C1D2EE", "#316AC5",
     "#B6BDD2", "#B6BDD2", "#0A246A", "#000000",
     "#D4D0C8", "#D4D0C8", "#000000",
     "#FCFCF9"},
    {207, "Windows XP",
     "#ECE9D8", "#ECE9D8", "#316AC5", "#FFFFFF",
     "#2E7EF0", "#0553D9", "#FFFFFF",
     "#FEFEFB", "#E3DFCB", "#C5C2B2",
     "#A7DD8F", "#4FAE3B", "#2E7D22",
     "#316AC5", "#316AC5", "#1C4C9C", "#FFFFFF",
     "#ECE9D8", "#DDD8C3", "#000000",
     "#FFFFFF"},
    {208, "Office 2003",
     "#C3DAF9", "#C3DAF9", "#316AC5", "#FFFFFF",
     "#E3EFFF", "#9EBEF5", "#000000",
     "#DDECFE", "#81A9E2", "#3B619C",
     "#FFF4CC", "#FFD091", "#000080",
     "#FFF4CC", "#FFD091", "#000080", "#000000",
     "#D5E5FC", "#A5C4F2", "#000000",
     "#F6F6F6"},
    {209, "Visual Studio 2005",
     "#EEEDE5", "#ECE9D8", "#316AC5", "#FFFFFF",
     "#F5F4EE", "#E5E3D6", "#000000",
     "#FAF9F5", "#DEDBCA", "#C4C1AF",
     "#C1D2EE", "#C1D2EE", "#316AC5",
     "#C1D2EE", "#C1D2EE", "#316AC5", "#000000",
     "#E6E4DA", "#D8D5C6", "#000000",
     "#FCFCF9"},
    {210, "Visual Studio 2008",
     "#D6DBE9", "#CFD6E5", "#3399FF", "#FFFFFF",
     "#E9ECFA", "#C1C9DA", "#000000",
     "#FAFAFD", "#C4CBDB", "#8A96AF",
     "#FFF3C6", "#FFD66E", "#E5C365",
     "#FFF3C6", "#FFD66E", "#E5C365", "#000000",
     "#CAD3E6", "#AEB9D2", "#000000",
     "#F5F6F8"},
    {215, "Office 2007 (Blue)",
     "#BFDBFF", "#D5E5FA", "#FFD455", "#000000",
     "#E3EFFF", "#C4DDFF", "#15428B",
     "#E3EFFF", "#ADD1FF", "#6593CF",
     "#FFF6CC", "#FFD455", "#DBCE99",
     "#FFF6CC", "#FFD455", "#DBCE99", "#000000",
     "#D5E4F2", "#A4C3EB", "#15428B",
     "#FAFAFA"},
    {216, "Office 2007 (Black)",
     "#B6B9BD", "#D5D7DA", "#FFD455", "#000000",
     "#696969", "#3B3B3B", "#FFFFFF",
     "#F0F0F0", "#BEC1C5", "#5C5C5C",
     "#FFF6CC", "#FFD455", "#C2A25E",
     "#FFF6CC", "#FFD455", "#C2A25E", "#000000",
     "#5A5A5A", "#303030", "#FFFFFF",
     "#FAFAFA"},
    {217, "Office 2007 (Silver)",
     "#DDE1E6", "#E6E9ED", "#FFD455", "#000000",
     "#F7F8FA", "#D6DAE2", "#4C535C",
     "#F6F7F9", "#C8CDD6", "#9AA1AD",
     "#FFF6CC", "#FFD455", "#DBCE99",
     "#FFF6CC", "#FFD455", "#DBCE99", "#000000",
     "#EEF0F3", "#C3C8D0", "#4C535C",
     "#FAFAFA"},
    {218, "Office 2007 (Aqua)",
     "#C4D8E0", "#D9E7EC", "#FFD455", "#000000",
     "#E4EFF3", "#BCD5DF", "#204A5C",
     "#EAF3F6", "#A9C9D6", "#6F9BAE",
     "#FFF6CC", "#FFD455", "#DBCE99",
     "#FFF6CC", "#FFD455", "#DBCE99", "#000000",
     "#D3E5EC", "#9CBFCE", "#204A5C",
     "#FAFCFD"},
    {219, "Windows 7",
     "#F0F0F0", "#F0F0F0", "#3399FF", "#FFFFFF",
     "#FCFDFE", "#E1E8F2", "#000000",
     "#FBFCFE", "#D9E3EF", "#A9B8CC",
     "#F1F7FD", "#D5E8FB", "#7DA2CE",
     "#E8EFF8", "#C4D9F3", "#7DA2CE", "#000000",
     "#F0F0F0", "#DCE2EA", "#000000",
     "#F5F5F5"},
};
// clang-format on

constexpr int kOffice2007Blue = 215;
constexpr int kOffice2007Aqua = 218;

int currentOffice2007Style = kOffice2007Blue;

bool isOffice2007Style(int lookId) {
    return lookId >= kOffice2007Blue && lookId <= kOffice2007Aqua;
}

const LookColors* findLook(int lookId) {
    for (const LookColors& look : kLooks) {
        if (look.id == lookId) {
            return &look;
        }
    }
    return nullptr;
}

// Ids 211 to 214 and values the table does not know keep Office 2007 in
// whatever colour style it was last given.
const LookColors& resolve(int lookId) {
    const LookColors* look = findLook(lookId);
    return look != nullptr ? *look : *findLook(currentOffice2007Style);
}

QString gradient(const char* top, const char* bottom) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(QLatin1String(top), QLatin1String(bottom));
}

QPalette paletteOf(const LookColors& look) {
    QPalette palette{QColor(QLatin1String(look.button)), QColor(QLatin1String(look.window))};
    palette.setColor(QPalette::Highlight, QColor(QLatin1String(look.highlight)));
    palette.setColor(QPalette::HighlightedText, QColor(QLatin1String(look.highlightText)));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::ToolTipBase, QColor(QLatin1String(look.popup)));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    return palette;
}

// Halfway between two colours: text drawn in it reads as greyed on the other.
QString greyed(const char* text, const char* background) {
    const QColor a(QLatin1String{text});
    const QColor b(QLatin1String{background});
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2)
        .name();
}

// The bar's items and the pop-up menus share the look's highlight, so a
// look reads as one whole. Check and radio marks are left to the widget style.
QString menuSheet(const LookColors& look) {
    const QString selected = gradient(look.selectTop, look.selectBottom);
    return QStringLiteral(
               "QMenuBar { background: %1; color: %2; border-bottom: 1px solid %3; }"
               "QMenuBar::item { background: transparent; color: %2; padding: 3px 8px; "
               "border: 1px solid transparent; }"
               "QMenuBar::item:selected, QMenuBar::item:pressed { background: %4; "
               "border: 1px solid; border-color: %5; color: %6; }"
               "QMenu { background: %7; color: #000000; border: 1px solid %3; padding: 2px; }"
               "QMenu::item { background: transparent; padding: 3px 24px 3px 24px; "
               "border: 1px solid transparent; }"
               "QMenu::item:selected { background: %4; border: 1px solid; border-color: %5; "
               "color: %6; }"
               "QMenu::item:disabled { color: %8; }"
               "QMenu::separator { height: 1px; background: %3; margin: 3px 4px 3px 24px; }")
        .arg(gradient(look.menuTop, look.menuBottom), QLatin1String(look.menuText),
             QLatin1String(look.toolBorder), selected, QLatin1String(look.selectBorder),
             QLatin1String(look.selectText), QLatin1String(look.popup),
             greyed("#000000", look.popup));
}

QString barSheet(const LookColors& look) {
    return QStringLiteral(
               "QToolBar { background: %1; border: 1px solid %2; spacing: 2px; padding: 1px; }"
               "QToolBar QToolButton { background: transparent; border: 1px solid transparent; "
               "padding: 2px; }"
               "QToolBar QToolButton:hover { background: %3; border: 1px solid; "
               "border-color: %4; }"
               "QToolBar QToolButton:pressed, QToolBar QToolButton:checked { background: %5; "
               "border: 1px solid; border-color: %4; }"
               "QStatusBar { background: %6; color: %7; border-top: 1px solid %2; }"
               "QStatusBar QLabel { color: %7; }"
               "QStatusBar QLabel:disabled { color: %8; }")
        .arg(gradient(look.toolTop, look.toolBottom), QLatin1String(look.toolBorder),
             gradient(look.hoverTop, look.hoverBottom), QLatin1String(look.hoverBorder),
             QLatin1String(look.hoverBottom), gradient(look.statusTop, look.statusBottom),
             QLatin1String(look.statusText), greyed(look.statusText, look.statusBottom));
}

// Every look draws with the same widget style, so that only the colours
// and the bars' painting tell them apart.
void useCommonWidgetStyle() {
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
}

}  // namespace

LookTheme ApplicationLook::themeFor(int lookId) {
    const LookColors& look = resolve(lookId);
    LookTheme theme;
    theme.lookId = look.id;
    theme.family = QString::fromLatin1(look.family);
    theme.palette = paletteOf(look);
    theme.barStyleSheet = menuSheet(look) + barSheet(look);
    return theme;
}

// The style sheet goes on the bars, not on the frame: a sheet on the frame
// would reach the dialogs it owns and make their labels drop the dialog's font.
void ApplicationLook::apply(int lookId, QMainWindow& frame) {
    if (isOffice2007Style(lookId)) {
        currentOffice2007Style = lookId;
    }
    const LookTheme theme = themeFor(lookId);
    useCommonWidgetStyle();
    QApplication::setPalette(theme.palette);
    frame.menuBar()->setStyleSheet(theme.barStyleSheet);
    frame.statusBar()->setStyleSheet(theme.barStyleSheet);
    for (QToolBar* toolBar : frame.findChildren<QToolBar*>()) {
        toolBar->setStyleSheet(theme.barStyleSheet);
    }
}

int ApplicationLook::office2007Style() {
    return currentOffice2007Style;
}

}  // namespace corvane
