#include "ImageFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace corvane {

QByteArray ImageFormatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return "png";
    }
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return "jpg";
    }
    if (suffix == QLatin1String("bmp")) {
        return "bmp";
    }
    return {};
}

AtomicFileWriter::Result SaveImage(const QImage& image, const QString& path,
                                   const QByteArray& format) {
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        return {false, AtomicFileWriter::saveErrorText(path, writer.errorString())};
    }
    return AtomicFileWriter::write(path, encoded.data());
}

}  // namespace corvane
