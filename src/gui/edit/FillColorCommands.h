#pragma once

#include <QObject>

namespace corvane {

class DesignSurface;

// The wood commands and "Choose Custom Color": they set the fill colour.
class FillColorCommands : public QObject {
    Q_OBJECT

public:
    explicit FillColorCommands(DesignSurface& view);

    void chooseWood(unsigned int color);
    void chooseCustomColor();

private:
    DesignSurface& view_;
};

}  // namespace corvane
