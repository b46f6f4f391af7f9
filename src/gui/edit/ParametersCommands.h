#pragma once

#include <QObject>

namespace corvane {

class CChildView;

// "Show Parameters Box".
class ParametersCommands : public QObject {
    Q_OBJECT

public:
    explicit ParametersCommands(CChildView& view);

    void showParametersBox();

private:
    CChildView& view_;
};

}  // namespace corvane
