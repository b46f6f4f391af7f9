#include "SymmetryDialog.h"

#include "DialogUnits.h"
#include "FieldExchange.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

SymmetryDialog::SymmetryDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Symmetry Mode"));
    setFont(DialogFont(QStringLiteral("Microsoft Sans Serif"), 12));
    const DialogUnits units(font());
    setFixedSize(units.size(222, 138));

    auto* prompt = new QLabel(
        QStringLiteral(
            "Choose the number of sectors (pie slices) you want for the symmetry operations:"),
        this);
    prompt->setWordWrap(true);
    units.place(*prompt, 16, 30, 185, 23);
    sectorField_ = new QLineEdit(IntegerFieldText(RequestedSectors), this);
    units.place(*sectorField_, 23, 73, 40, 14);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    units.place(*okButton_, 22, 100, 50, 14);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &SymmetryDialog::accept);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    units.place(*cancelButton_, 73, 100, 50, 14);
    connect(cancelButton_, &QPushButton::clicked, this, &SymmetryDialog::reject);

    PlaceAtOwnerOffset(*this, owner, QPoint(10, 70));
    sectorField_->setFocus(Qt::OtherFocusReason);
}

void SymmetryDialog::accept() {
    const std::optional<int> sectors = ReadIntegerField(*sectorField_);
    if (!sectors) {
        return;
    }
    RequestedSectors = *sectors;
    QDialog::accept();
}

}  // namespace corvane
