#pragma once

#include "AtomicFileWriter.h"

#include <QString>

class QImage;

namespace corvane {

// Image format for a file name's extension ("png", "jpg", "bmp"), or empty.
QByteArray ImageFormatForPath(const QString& path);

// Encodes the picture in memory and saves it through the one write path, so
// a failed save leaves an existing file as it was and says why.
AtomicFileWriter::Result SaveImage(const QImage& image, const QString& path,
                                   const QByteArray& format);

}  // namespace corvane
