#include "DesignRenderer.h"

#include "DesignPicture.h"

namespace corvane {

QImage DesignRenderer::render(BowlModel& model, QSize clientSize) {
    DesignPicture picture;
    picture.paintAll(model, clientSize, 1.0);
    return picture.image();
}

}  // namespace corvane
