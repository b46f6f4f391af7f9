#pragma once

#include "DesignPicture.h"

#include <QImage>
#include <QSize>

class QPainter;

namespace corvane {

class BowlModel;

// The one routine that paints a design: the view, printing, image export
// and the command line all go through it, so what is printed and exported
// is what is shown.
class DesignRenderer {
public:
    // Paints the whole client area of the given size into a fresh opaque
    // image whose resolution is the model's pixels per inch, so that point
    // sizes come out as on that screen. The model is only read.
    static QImage render(const BowlModel& model, QSize clientSize, RenderOptions options = {});

    // The whole bowl at true scale with its tally column beside it, in a
    // picture at least atLeast large (a null image when memory runs out).
    static QImage renderWholeDesign(const BowlModel& model, QSize atLeast,
                                    RenderOptions options = {});

    // The size in client pixels of the whole design drawn by drawWholeDesign.
    static QSize wholeDesignSize(const BowlModel& model);
    // Draws the whole design as vectors in a client area of wholeDesignSize()
    // (the painter's transform takes its pixels to the device), for printing.
    static void drawWholeDesign(QPainter& painter, const BowlModel& model, QSize wholeSize,
                                RenderOptions options = {});
};

}  // namespace corvane
