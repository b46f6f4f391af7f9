#include "ImageFile.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

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

bool SaveImageAtomically(const QImage& image, const QString& path, const QByteArray& format,
                         QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    QImageWriter writer(&file, format);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        if (error != nullptr) {
            *error = writer.errorString();
        }
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

}  // namespace corvane
