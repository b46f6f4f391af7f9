#include "SymmetryErrorDialog.h"

#include "DialogUnits.h"

#include <QLabel>
#include <QPushButton>

namespace corvane {

SymmetryErrorDialog::SymmetryErrorDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Error"));
    setFont(DialogFont(QStringLiteral("Microsoft Sans Serif"), 12));
    const DialogUnits units(font());
    setFixedSize(units.size(202, 114));

    auto* message = new QLabel(
        QStringLiteral("That is not an integer factor of the number of segments.Try again."), this);
    message->setWordWrap(true);
    units.place(*message, 36, 21, 159, 31);
    tryAgainButton_ = new QPushButton(QStringLiteral("Try Again"), this);
    units.place(*tryAgainButton_, 35, 54, 50, 14);
    tryAgainButton_->setDefault(true);
    connect(tryAgainButton_, &QPushButton::clicked, this, [this] { done(TryAgain); });
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    units.place(*cancelButton_, 108, 55, 50, 14);
    connect(cancelButton_, &QPushButton::clicked, this, &SymmetryErrorDialog::reject);

    PlaceAtOwnerOffset(*this, owner, QPoint(20, 80));
    tryAgainButton_->setFocus(Qt::OtherFocusReason);
}

}  // namespace corvane
