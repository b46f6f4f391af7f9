#include "HelpDialog.h"

#include "AppIcon.h"
#include "HelpPageLayout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace corvane {

namespace {

constexpr int kSystemIconSize = 32;

}  // namespace

HelpDialog::HelpDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Help with Corvane"));
    setModal(true);
    const HelpPageLayout page = HelpPageLayout::fit(roomOnScreenOf(owner));
    setFont(page.font());
    setFixedSize(page.dialogSize());

    addIcon(page.iconRect());
    for (const HelpPageLayout::Text& text : page.texts()) {
        addText(text.rect, text.text);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(page.okRect());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QSize HelpDialog::roomOnScreenOf(const QWidget* owner) {
    const QWidget* window = owner != nullptr ? owner->window() : nullptr;
    QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    QSize frame(0, 0);
    if (window != nullptr && window->isVisible()) {
        frame = window->frameGeometry().size() - window->geometry().size();
    }
    return screen->availableGeometry().size() - frame;
}

// The icon keeps the system icon size inside its box, as icon controls do,
// unless a small screen has made the box smaller.
void HelpDialog::addIcon(const QRect& box) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("appIcon"));
    const int side = std::min({kSystemIconSize, box.width(), box.height()});
    icon->setPixmap(AppIcon().pixmap(QSize(side, side), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setGeometry(box);
}

// The box is as tall as its text, so every line shows in full.
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
