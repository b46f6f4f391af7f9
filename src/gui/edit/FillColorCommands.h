#pragma once

#include <QObject>

namespace corvane {

class CChildView;

// The wood commands and "Choose Custom Color": they set the fill colour.
class FillColorCommands : public QObject {
    Q_OBJECT

public:
    explicit FillColorCommands(CChildView& view);

    void chooseWood(unsigned int color);
    void chooseCustomColor();

private:
    CChildView& view_;
};

}  // namespace corvane
