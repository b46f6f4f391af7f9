#pragma once

#include <QDialog>

class QPushButton;

namespace corvane {

// "Error": a refused sector count, with "Try Again" and "Cancel".
class SymmetryErrorDialog : public QDialog {
    Q_OBJECT

public:
    // The result of "Try Again".
    static constexpr int TryAgain = 1003;

    explicit SymmetryErrorDialog(QWidget* owner);

    QPushButton* tryAgainButton() const { return tryAgainButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    QPushButton* tryAgainButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace corvane
