#pragma once

#include <QObject>

namespace corvane {

class DesignSurface;
struct ImageExportFormat;

// "Save as JPG", "Save as PNG" and "Save As BMP": the view's picture at its
// client size, without the sector outline.
class ImageExportCommands : public QObject {
    Q_OBJECT

public:
    explicit ImageExportCommands(DesignSurface& view);

    void exportImage(const ImageExportFormat& format);

private:
    DesignSurface& view_;
};

}  // namespace corvane
