#include "CommandLine.h"

#include "AppTexts.h"
#include "BowlModel.h"
#include "CCorvane07App.h"
#include "DesignCsvReader.h"
#include "DesignRenderer.h"
#include "ImageFile.h"
#include "PrintedPage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSize>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace corvane {

namespace {

struct Options {
    QCommandLineOption exportImage{QStringLiteral("export-image"),
                                   QStringLiteral("Render the design to an image file (PNG, JPG "
                                                  "or BMP by extension) without opening a window."),
                                   QStringLiteral("file")};
    QCommandLineOption size{QStringLiteral("size"),
                            QStringLiteral("Client size of the rendered view, e.g. 1000x700."),
                            QStringLiteral("WxH"), QStringLiteral("1000x700")};
    QCommandLineOption printPdf{
        QStringLiteral("print-pdf"),
        QStringLiteral("Print the design as the Print command would, onto one Letter page of a "
                       "PDF file at 600 dots per inch, without opening a window."),
        QStringLiteral("file")};
    QCommandLineOption scale{QStringLiteral("scale"),
                             QStringLiteral("Printout scale for --print-pdf: a factor such as "
                                            "0.9 or a percentage such as 90%."),
                             QStringLiteral("S"), QStringLiteral("1")};
};

bool wantsHeadless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--export-image") || arg.startsWith("--print-pdf") || arg == "--help" ||
            arg == "-h" || arg == "--version" || arg == "-v") {
            return true;
        }
    }
    return false;
}

std::optional<QSize> parseSize(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 1 || size.height() < 1 || size.width() > 20000 || size.height() > 20000) {
        return std::nullopt;
    }
    return size;
}

void printError(const QString& text) {
    std::fprintf(stderr, "corvane: %s\n", text.toLocal8Bit().constData());
}

// Printout scales beyond this only make pictures no page can hold.
constexpr double kMaxPrintScale = 10.0;

std::optional<double> parseScale(QString text) {
    text = text.trimmed();
    double divisor = 1.0;
    if (text.endsWith(QLatin1Char('%'))) {
        text.chop(1);
        divisor = 100.0;
    }
    bool ok = false;
    const double scale = text.toDouble(&ok) / divisor;
    if (!ok || !(scale > 0.0) || scale > kMaxPrintScale) {
        return std::nullopt;
    }
    return scale;
}

// The model of a fresh start on a 96 pixels-per-inch screen.
std::unique_ptr<BowlModel> makeDefaultModel() {
    auto model = std::make_unique<BowlModel>();
    model->PixelsPerInch = 96;
    model->ComputeGeometry(model->PixelsPerInch);
    return model;
}

// The design file named on the command line, if any; nullptr after an error.
std::unique_ptr<BowlModel> modelForArguments(const QStringList& arguments) {
    std::unique_ptr<BowlModel> model = makeDefaultModel();
    if (arguments.size() > 1) {
        printError(QStringLiteral("give at most one design file."));
        return nullptr;
    }
    QString error;
    if (!arguments.isEmpty() && !loadDesignFile(arguments.constFirst(), *model, &error)) {
        printError(error);
        return nullptr;
    }
    return model;
}

bool printToPdf(const QString& path, const QImage& picture, double scale, QString* error) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PreparePrinter(printer);
    // A PDF page has no unprintable edge: the whole sheet is the printable area.
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("could not start the PDF file \"%1\".").arg(path);
        return false;
    }
    DrawPictureOnPage(painter, PrintableArea(printer), picture, scale);
    if (!painter.end() || printer.printerState() == QPrinter::Error ||
        QFileInfo(path).size() == 0) {
        *error = QStringLiteral("could not finish the PDF file \"%1\".").arg(path);
        return false;
    }
    return true;
}

int printPdf(const QCommandLineParser& parser, const Options& options) {
    const std::optional<QSize> size = parseSize(parser.value(options.size));
    if (!size) {
        printError(
            QStringLiteral("--size wants WIDTHxHEIGHT with each from 1 to 20000, got \"%1\".")
                .arg(parser.value(options.size)));
        return 2;
    }
    const std::optional<double> scale = parseScale(parser.value(options.scale));
    if (!scale) {
        printError(QStringLiteral("--scale wants a factor above 0 and up to 10 (or a "
                                  "percentage such as 90%), got \"%1\".")
                       .arg(parser.value(options.scale)));
        return 2;
    }
    std::unique_ptr<BowlModel> model = modelForArguments(parser.positionalArguments());
    if (!model) {
        return 1;
    }
    model->PrintScale = *scale;
    const QImage picture = DesignRenderer::render(*model, *size);
    QString error;
    if (!printToPdf(parser.value(options.printPdf), picture, model->PrintScale, &error)) {
        printError(error);
        return 1;
    }
    return 0;
}

int exportImage(const QCommandLineParser& parser, const Options& options) {
    const std::optional<QSize> size = parseSize(parser.value(options.size));
    if (!size) {
        printError(
            QStringLiteral("--size wants WIDTHxHEIGHT with each from 1 to 20000, got \"%1\".")
                .arg(parser.value(options.size)));
        return 2;
    }
    const QString path = parser.value(options.exportImage);
    const QByteArray format = ImageFormatForPath(path);
    if (format.isEmpty()) {
        printError(QStringLiteral("cannot tell the image format of \"%1\": use .png, .jpg or .bmp.")
                       .arg(path));
        return 2;
    }
    BowlModel model;
    model.PixelsPerInch = 96;
    model.ComputeGeometry(model.PixelsPerInch);
    const QImage image = DesignRenderer::render(model, *size);
    QString error;
    if (!SaveImageAtomically(image, path, format, &error)) {
        printError(QStringLiteral("could not save \"%1\": %2").arg(path, error));
        return 1;
    }
    return 0;
}

}  // namespace

bool loadDesignFile(const QString& path, BowlModel& model, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    const ReadResult result = ReadDesignCsv(
        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), model);
    if (!result.ok) {
        *error = QStringLiteral("\"%1\" is not a usable design: %2")
                     .arg(path, QString::fromStdString(result.error));
        return false;
    }
    return true;
}

int RunCommandLine(int argc, char** argv) {
    if (wantsHeadless(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    QApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganization));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Corvane: plans segmented turned bowls."));
    parser.addHelpOption();
    parser.addVersionOption();
    Options options;
    parser.addOption(options.exportImage);
    parser.addOption(options.size);
    parser.addOption(options.printPdf);
    parser.addOption(options.scale);
    parser.addPositionalArgument(QStringLiteral("design"),
                                 QStringLiteral("Design CSV file to print with --print-pdf."),
                                 QStringLiteral("[DESIGN.csv]"));
    parser.process(application);

    if (parser.isSet(options.exportImage)) {
        return exportImage(parser, options);
    }
    if (parser.isSet(options.printPdf)) {
        return printPdf(parser, options);
    }
    CCorvane07App app(BowlModel::instance());
    if (!app.InitInstance()) {
        return 1;
    }
    return QApplication::exec();
}

}  // namespace corvane
