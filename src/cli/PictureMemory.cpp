#include "PictureMemory.h"

#include "PrintError.h"

#include <QImage>

namespace corvane {

bool HasPictureMemory(const QImage& picture, QSize size) {
    // A picture of the whole design may be larger than the size asked for.
    if (!picture.isNull() && picture.width() >= size.width() && picture.height() >= size.height()) {
        return true;
    }
    PrintError(QStringLiteral("not enough memory for a picture of %1x%2 pixels.")
                   .arg(size.width())
                   .arg(size.height()));
    return false;
}

}  // namespace corvane
