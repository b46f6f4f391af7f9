#include "PictureJobs.h"

#include "BowlModel.h"
#include "CommandLineOptions.h"
#include "DesignRenderer.h"
#include "ImageFile.h"
#include "OptionValues.h"
#include "OutputFile.h"
#include "PdfDocument.h"
#include "PictureMemory.h"
#include "PrintError.h"
#include "PrintedPage.h"

#include <QImage>

namespace corvane {

namespace {

bool checkExportImage(const CommandLineOptions& options, JobRequest& request) {
    request.output = options.value(QStringLiteral("export-image"));
    request.imageFormat = ImageOutputFormat(request.output);
    const std::optional<QSize> size = PictureSizeValue(options.value(QStringLiteral("size")));
    request.size = size.value_or(QSize());
    return !request.imageFormat.isEmpty() && size;
}

ExitCode runExportImage(const JobRequest& request, BowlModel& model) {
    const QImage image = DesignRenderer::renderWholeDesign(model, request.size);
    if (!HasPictureMemory(image, request.size)) {
        return ExitCode::Failed;
    }
    const AtomicFileWriter::Result saved = SaveImage(image, request.output, request.imageFormat);
    return ExitAfterSave(saved);
}

bool checkPrintPdf(const CommandLineOptions& options, JobRequest& request) {
    request.output = options.value(QStringLiteral("print-pdf"));
    const bool pdf = IsPdfOutput(request.output);
    const std::optional<QSize> size = PictureSizeValue(options.value(QStringLiteral("size")));
    const std::optional<double> scale = PrintScaleValue(options.value(QStringLiteral("scale")));
    request.size = size.value_or(QSize());
    request.printScale = scale.value_or(1.0);
    return pdf && size && scale;
}

// One Letter page at the printer resolution the stretch factor is made for;
// a PDF page has no unprintable edge, so the whole sheet is the printable
// area. The design is drawn whole, whatever window size --size names.
ExitCode runPrintPdf(const JobRequest& request, BowlModel& model) {
    model.PrintScale = request.printScale;
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                             QMarginsF(0, 0, 0, 0));
    const AtomicFileWriter::Result saved = PdfDocument::print(
        letter, kPrinterDotsPerInch, QString::fromLatin1(kPrintJobName), request.output,
        [&](QPagedPaintDevice& page) { return PrintDesignPage(page, model); });
    return ExitAfterSave(saved);
}

}  // namespace

Job ExportImageJob() {
    Job job;
    job.option = QStringLiteral("export-image");
    job.options = {QStringLiteral("size")};
    job.platform = JobPlatform::Offscreen;
    job.check = checkExportImage;
    job.run = runExportImage;
    return job;
}

Job PrintPdfJob() {
    Job job;
    job.option = QStringLiteral("print-pdf");
    job.options = {QStringLiteral("scale"), QStringLiteral("size")};
    job.platform = JobPlatform::Offscreen;
    job.check = checkPrintPdf;
    job.run = runPrintPdf;
    return job;
}

}  // namespace corvane
