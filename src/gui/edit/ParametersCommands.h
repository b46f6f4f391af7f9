#pragma once

#include <QObject>

namespace corvane {

class DesignSurface;

// "Show Parameters Box".
class ParametersCommands : public QObject {
    Q_OBJECT

public:
    explicit ParametersCommands(DesignSurface& view);

    void showParametersBox();

private:
    DesignSurface& view_;
};

}  // namespace corvane
