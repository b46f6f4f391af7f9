#pragma once

#include <QObject>

namespace corvane {

class DesignSurface;

// "Enter Symmetry Mode" and "Exit Symmetry Mode".
class SymmetryCommands : public QObject {
    Q_OBJECT

public:
    explicit SymmetryCommands(DesignSurface& view);

    void enterSymmetryMode();
    void exitSymmetryMode();

private:
    DesignSurface& view_;
};

}  // namespace corvane
