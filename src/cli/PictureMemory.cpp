#include "PictureMemory.h"

#include "PrintError.h"

#include <QImage>

namespace corvane {

bool HasPictureMemory(const QImage& picture, QSize size) {
    if (!picture.isNull() && picture.size() == size) {
        return true;
    }
    PrintError(QStringLiteral("not enough memory for a picture of %1x%2 pixels.")
                   .arg(size.width())
                   .arg(size.height()));
    return false;
}

}  // namespace corvane
