#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace corvane {

// Button images for user-defined toolbars, read from a bitmap that holds a
// row of 16 x 15 pixel images side by side; image n belongs to button n.
class UserImages {
public:
    static constexpr qint64 kMaxFileSize = 819200;
    static constexpr int kImageWidth = 16;
    static constexpr int kImageHeight = 15;

    // Replaces the images with those of the file. A missing, oversized or
    // unreadable file, or one that is not a regular file, leaves everything
    // as it was and answers false.
    bool load(const QString& path);

    bool isLoaded() const { return count_ > 0; }
    int count() const { return count_; }
    // A null icon when there is no image with that index.
    QIcon icon(int index) const;

private:
    QImage strip_;
    int count_ = 0;
};

}  // namespace corvane
