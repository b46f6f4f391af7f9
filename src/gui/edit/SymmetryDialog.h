#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace corvane {

// "Symmetry Mode": asks for the number of sectors.
class SymmetryDialog : public QDialog {
    Q_OBJECT

public:
    explicit SymmetryDialog(QWidget* owner);

    // The count read by OK; 0 until then.
    int RequestedSectors = 0;

    QLineEdit* sectorField() const { return sectorField_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

public slots:
    void accept() override;

private:
    QLineEdit* sectorField_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace corvane
