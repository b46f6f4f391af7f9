#include "UserImages.h"

#include <QFile>
#include <QPixmap>

namespace corvane {

namespace {

// Toolbar bitmaps paint their background in light grey; it shows through.
constexpr QRgb kTransparentGrey = 0xFFC0C0C0;

}  // namespace

bool UserImages::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) {
        return false;
    }
    // Read one byte more than allowed so that a file that grew after the
    // size check is still refused.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        return false;
    }
    QImage image = QImage::fromData(bytes, "BMP");
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
