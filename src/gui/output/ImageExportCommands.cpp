#include "ImageExportCommands.h"

#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignRenderer.h"
#include "DesignSurface.h"
#include "DialogService.h"
#include "FileNameRules.h"
#include "ImageFile.h"

namespace corvane {

struct ImageExportFormat {
    int commandId;
    const char* filter;
    const char* suffix;  // also the default extension
    const char* writerFormat;
};

namespace {

constexpr ImageExportFormat kFormats[] = {
    {cmd::SaveJpg, "JPEG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||", "jpg", "jpg"},
    {cmd::SavePng, "PNG Files (*.png)|*.png|All Files (*.*)|*.*||", "png", "png"},
    {cmd::SaveBmp, "BMP Files (*.bmp)|*.bmp|All Files (*.*)|*.*||", "bmp", "bmp"},
};

}  // namespace

ImageExportCommands::ImageExportCommands(DesignSurface& view) : QObject(&view), view_(view) {
    for (const ImageExportFormat& format : kFormats) {
        view_.commands().add(format.commandId, [this, &format] { exportImage(format); });
    }
}

void ImageExportCommands::exportImage(const ImageExportFormat& format) {
    FileDialogRequest request;
    request.filter = QString::fromLatin1(format.filter);
    request.defaultSuffix = QString::fromLatin1(format.suffix);
    request.forSaving = true;
    const QString chosen = DialogService::instance().chooseFile(view_.window(), request);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = PathWithRequiredSuffix(chosen, QString::fromLatin1(format.suffix));
    // The whole bowl at true scale, whatever the view's zoom, in a picture at
    // least as large as the view.
    const QImage picture = DesignRenderer::renderWholeDesign(view_.model(), view_.size(),
                                                             {.sectorOutline = false, .zoom = {}});
    const AtomicFileWriter::Result saved = SaveImage(picture, path, format.writerFormat);
    // A failed save must not pass for a successful one: the user would go on
    // believing the picture is on disk.
    if (!saved.ok) {
        DialogService::instance().showMessage(view_.window(), saved.message);
    }
}

}  // namespace corvane
