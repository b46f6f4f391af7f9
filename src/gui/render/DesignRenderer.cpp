#include "DesignRenderer.h"

namespace corvane {

QImage DesignRenderer::render(const BowlModel& model, QSize clientSize, RenderOptions options) {
    DesignPicture picture;
    picture.paintAll(model, clientSize, 1.0, options);
    return picture.image();
}

}  // namespace corvane
