#include "DesignRenderer.h"

#include "DesignDrawing.h"

namespace corvane {

QImage DesignRenderer::render(const BowlModel& model, QSize clientSize, RenderOptions options) {
    DesignPicture picture;
    picture.paintAll(model, clientSize, 1.0, options);
    return picture.image();
}

QImage DesignRenderer::renderWholeDesign(const BowlModel& model, QSize atLeast,
                                         RenderOptions options) {
    return render(model, DesignDrawing::wholeDesignSize(model, atLeast),
                  DesignDrawing::wholeDesignOptions(options));
}

QSize DesignRenderer::wholeDesignSize(const BowlModel& model) {
    return DesignDrawing::wholeDesignSize(model);
}

void DesignRenderer::drawWholeDesign(QPainter& painter, const BowlModel& model, QSize wholeSize,
                                     RenderOptions options) {
    DesignDrawing::draw(painter, model, wholeSize, DesignDrawing::wholeDesignOptions(options));
}

}  // namespace corvane
