#pragma once

#include <QSize>

class QImage;

namespace corvane {

// False, with a message, when the picture of the size asked for could not
// be allocated: a null picture would otherwise be saved as an empty file
// or printed as a blank page.
bool HasPictureMemory(const QImage& picture, QSize size);

}  // namespace corvane
