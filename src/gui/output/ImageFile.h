#pragma once

#include <QString>

class QImage;

namespace corvane {

// Image format for a file name's extension ("png", "jpg", "bmp"), or empty.
QByteArray ImageFormatForPath(const QString& path);

// Encodes the picture and replaces the file only when the whole encoding
// succeeded, so a failed save leaves an existing file as it was.
bool SaveImageAtomically(const QImage& image, const QString& path, const QByteArray& format,
                         QString* error);

}  // namespace corvane
