#pragma once

#include "DesignPicture.h"

#include <QSize>

class QPainter;

namespace corvane {

class BowlModel;

// The design drawn as vectors onto any painter (a printer, a PDF): the same
// rings, joints, fills, sector outline and tally text as the view's
// picture, at the same places, but as paths and text that keep their
// sharpness at the device's resolution. The painter's transform takes
// client pixels to the device.
class DesignDrawing {
public:
    // The client size that holds the whole bowl at true scale in its middle
    // and the tally column beside it, at least atLeast, and tall enough for
    // every tally line.
    static QSize wholeDesignSize(const BowlModel& model, QSize atLeast = {});

    // How a picture of the whole design places the bowl: at true scale in the middle.
    static RenderOptions wholeDesignOptions(RenderOptions options);

    // Draws the design for a client area of the given size. The model is only read.
    static void draw(QPainter& painter, const BowlModel& model, QSize clientSize,
                     RenderOptions options);
};

}  // namespace corvane
