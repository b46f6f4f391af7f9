#pragma once

#include "DesignPicture.h"

#include <QImage>
#include <QSize>

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
};

}  // namespace corvane
