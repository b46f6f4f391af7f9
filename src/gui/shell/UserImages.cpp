#include "UserImages.h"

#include "RegularFileReader.h"

#include <QPixmap>

namespace corvane {

namespace {

// Toolbar bitmaps paint their background in light grey; it shows through.
constexpr QRgb kTransparentGrey = 0xFFC0C0C0;

}  // namespace

bool UserImages::load(const QString& path) {
    // Anything but a regular file (a pipe would block the start) counts as
    // unreadable and is ignored like one.
    const RegularFileReader::Result file = RegularFileReader::read(path, kMaxFileSize);
    if (file.status != RegularFileReader::Status::Read) {
        return false;
    }
    QImage image = QImage::fromData(file.bytes, "BMP");
    if (image.isNull() || image.width() < kImageWidth || image.height() < kImageHeight) {
        return false;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == kTransparentGrey) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    strip_ = image;
    count_ = image.width() / kImageWidth;
    return true;
}

QIcon UserImages::icon(int index) const {
    if (index < 0 || index >= count_) {
        return {};
    }
    return QIcon(
        QPixmap::fromImage(strip_.copy(index * kImageWidth, 0, kImageWidth, kImageHeight)));
}

}  // namespace corvane
