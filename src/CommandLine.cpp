#include "CommandLine.h"

#include "AppTexts.h"
#include "Application.h"
#include "BowlModel.h"
#include "CutList.h"
#include "DesignFile.h"
#include "DesignFileCommands.h"
#include "DesignRenderer.h"
#include "DesignView.h"
#include "ImageFile.h"
#include "MainWindow.h"
#include "NativeFileName.h"
#include "PdfDocument.h"
#include "PrintedPage.h"
#include "ShapeCommandLine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPainter>
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
    QCommandLineOption cutList{QStringLiteral("cut-list"),
                               QStringLiteral("Write the cut list of the design as CSV to "
                                              "standard output.")};
    QCommandLineOption units{QStringLiteral("units"),
                             QStringLiteral("Units of the cut list: in or mm (default in)."),
                             QStringLiteral("in|mm"), QStringLiteral("in")};
    QCommandLineOption kerf{QStringLiteral("kerf"),
                            QStringLiteral("Saw kerf in the cut list's units (default 0.125 in "
                                           "or 3.175 mm)."),
                            QStringLiteral("K")};
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
        if (arg.startsWith("--export-image") || arg.startsWith("--cut-list") ||
            arg.startsWith("--print-pdf") || arg == "--help" || arg == "-h" || arg == "--version" ||
            arg == "-v") {
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

// File names in messages come out as the bytes they were given as.
void printError(const QString& text) {
    std::fprintf(stderr, "corvane: %s\n", EncodeFileName(text).constData());
}

// The client size asked for with --size; nothing (with a message) when unusable.
std::optional<QSize> sizeOption(const QCommandLineParser& parser, const Options& options) {
    const std::optional<QSize> size = parseSize(parser.value(options.size));
    if (!size) {
        printError(
            QStringLiteral("--size wants WIDTHxHEIGHT with each from 1 to 20000, got \"%1\".")
                .arg(parser.value(options.size)));
    }
    return size;
}

// The design file named on the command line, if any.
QString designArgument(const QCommandLineParser& parser) {
    const QStringList positional = parser.positionalArguments();
    return positional.isEmpty() ? QString() : positional.constFirst();
}

// A headless job starts from the default design at 96 pixels per inch, or
// from the design file given; false (with a message) when that cannot be read.
bool loadHeadlessDesign(const QCommandLineParser& parser, BowlModel& model) {
    model.PixelsPerInch = 96;
    model.ComputeGeometry(model.PixelsPerInch);
    if (parser.positionalArguments().size() > 1) {
        printError(QStringLiteral("give at most one design file."));
        return false;
    }
    const QString path = designArgument(parser);
    if (path.isEmpty()) {
        return true;
    }
    const DesignFile::Result result = DesignFile::open(path, model);
    if (!result.ok) {
        printError(QStringLiteral("%1: %2").arg(path, result.message));
    }
    return result.ok;
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

// One Letter page at 600 dpi; a PDF page has no unprintable edge, so the
// whole sheet is the printable area.
bool printToPdf(const QString& path, const QImage& picture, double scale, QString* error) {
    PdfDocument pdf(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)),
        kPrinterDotsPerInch, QString::fromLatin1(kPrintJobName));
    QPainter painter;
    if (!painter.begin(&pdf.device())) {
        *error = QStringLiteral("could not start the PDF file \"%1\".").arg(path);
        return false;
    }
    DrawPictureOnPage(painter, PrintableArea(pdf.device()), picture, scale);
    if (!painter.end()) {
        *error = QStringLiteral("could not finish the PDF file \"%1\".").arg(path);
        return false;
    }
    const AtomicFileWriter::Result saved = pdf.save(path);
    *error = saved.message;
    return saved.ok;
}

int printPdf(const QCommandLineParser& parser, const Options& options) {
    const std::optional<QSize> size = sizeOption(parser, options);
    if (!size) {
        return 2;
    }
    const std::optional<double> scale = parseScale(parser.value(options.scale));
    if (!scale) {
        printError(QStringLiteral("--scale wants a factor above 0 and up to 10 (or a "
                                  "percentage such as 90%), got \"%1\".")
                       .arg(parser.value(options.scale)));
        return 2;
    }
    BowlModel model;
    if (!loadHeadlessDesign(parser, model)) {
        return 1;
    }
    model.PrintScale = *scale;
    const QImage picture = DesignRenderer::render(model, *size);
    QString error;
    if (!printToPdf(parser.value(options.printPdf), picture, model.PrintScale, &error)) {
        printError(error);
        return 1;
    }
    return 0;
}

int exportImage(const QCommandLineParser& parser, const Options& options) {
    const std::optional<QSize> size = sizeOption(parser, options);
    if (!size) {
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
    if (!loadHeadlessDesign(parser, model)) {
        return 1;
    }
    const QImage image = DesignRenderer::render(model, *size);
    const AtomicFileWriter::Result saved = SaveImage(image, path, format);
    if (!saved.ok) {
        printError(saved.message);
        return 1;
    }
    return 0;
}

int export3d(const QCommandLineParser& parser, const Options& options, const ShapeOptions& shape) {
    const std::optional<QSize> size = sizeOption(parser, options);
    const std::optional<LengthUnit> unit = UnitOption(parser.value(options.units));
    if (!size || !unit) {
        return 2;
    }
    const std::optional<BowlShape> bowl = ShapeOption(parser, shape, *unit);
    if (!bowl) {
        return 2;
    }
    BowlModel model;
    if (!loadHeadlessDesign(parser, model)) {
        return 1;
    }
    return Export3d(parser, shape, model, *bowl, *size);
}

int writeCutList(const QCommandLineParser& parser, const Options& options,
                 const ShapeOptions& shape) {
    const std::optional<LengthUnit> chosen = UnitOption(parser.value(options.units));
    if (!chosen) {
        return 2;
    }
    const LengthUnit unit = *chosen;
    const std::optional<BowlShape> bowl = ShapeOption(parser, shape, unit);
    if (!bowl) {
        return 2;
    }
    double kerfInches = kDefaultKerfInches;
    if (parser.isSet(options.kerf)) {
        bool ok = false;
        const double kerf = parser.value(options.kerf).toDouble(&ok);
        if (!ok || !(kerf >= 0.0) || ToInches(kerf, unit) > 1.0) {
            printError(QStringLiteral("--kerf wants a number from 0 to 1 in (25.4 mm), got \"%1\".")
                           .arg(parser.value(options.kerf)));
            return 2;
        }
        kerfInches = ToInches(kerf, unit);
    }
    BowlModel model;
    if (!loadHeadlessDesign(parser, model)) {
        return 1;
    }
    const CutList list = ComputeCutList(model, kerfInches, bowl->ringHeight);
    if (!list.refusal.empty()) {
        printError(QString::fromStdString(list.refusal));
        return 1;
    }
    const std::string text = FormatCutListCsv(list, unit);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
    if (wantsHeadless(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (!CanExport3d(argc, argv)) {
        return 2;
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
    parser.addOption(options.cutList);
    parser.addOption(options.units);
    parser.addOption(options.kerf);
    parser.addOption(options.printPdf);
    parser.addOption(options.scale);
    const ShapeOptions shape;
    AddShapeOptions(parser, shape);
    parser.addPositionalArgument(
        QStringLiteral("design"),
        QStringLiteral("A design CSV file to start with, or to export, print or list."),
        QStringLiteral("[DESIGN.csv]"));
    // The arguments as the system gave them: a file name that is not UTF-8
    // must still name its file (QCoreApplication::arguments() would not keep it).
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(DecodeFileName(QByteArray(argv[i])));
    }
    parser.process(arguments);

    if (parser.isSet(options.exportImage)) {
        return exportImage(parser, options);
    }
    if (parser.isSet(options.cutList)) {
        return writeCutList(parser, options, shape);
    }
    if (parser.isSet(shape.export3d)) {
        return export3d(parser, options, shape);
    }
    if (parser.isSet(options.printPdf)) {
        return printPdf(parser, options);
    }
    Application app(BowlModel::instance());
    if (!app.InitInstance()) {
        return 1;
    }
    const QString design = designArgument(parser);
    if (!design.isEmpty()) {
        DesignFileCommands::of(*app.mainWindow()->view())->openPath(design, false);
    }
    return QApplication::exec();
}

}  // namespace corvane
