#pragma once

#include <QObject>

namespace corvane {

class CChildView;

// "Enter Symmetry Mode" and "Exit Symmetry Mode".
class SymmetryCommands : public QObject {
    Q_OBJECT

public:
    explicit SymmetryCommands(CChildView& view);

    void enterSymmetryMode();
    void exitSymmetryMode();

private:
    CChildView& view_;
};

}  // namespace corvane
