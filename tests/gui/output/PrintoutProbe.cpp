#include "PrintoutProbe.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

namespace corvane::test {

namespace {

bool runTool(const QString& program, const QStringList& arguments, QByteArray* output) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return false;
    }
    if (output != nullptr) {
        *output = process.readAllStandardOutput();
    }
    return true;
}

bool isDark(QRgb pixel) {
    return qGray(pixel) < 100;
}

}  // namespace

bool HavePdfTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

int PdfPageCount(const QString& pdfPath) {
    QByteArray output;
    if (!runTool(QStringLiteral("pdfinfo"), {pdfPath}, &output)) {
        return -1;
    }
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(QString::fromLatin1(output));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QImage RenderFirstPdfPage(const QString& pdfPath) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    if (!runTool(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(kProbeDpi), QStringLiteral("-f"),
                  QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                  QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfPath, prefix},
                 nullptr)) {
        return {};
    }
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

double TallestDarkSpanInches(const QImage& page) {
    int tallest = 0;
    for (int x = 0; x < page.width(); ++x) {
        int first = -1;
        int last = -1;
        for (int y = 0; y < page.height(); ++y) {
            if (isDark(page.pixel(x, y))) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        if (first >= 0) {
            tallest = std::max(tallest, last - first + 1);
        }
    }
    return static_cast<double>(tallest) / kProbeDpi;
}

int CountRedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80) {
                ++count;
            }
        }
    }
    return count;
}

double ExpectedOuterCircleInches(double outsideDiameter, double printScale) {
    constexpr double kScreenDpi = 96.0;
    constexpr double kLineWidth = 3.0;
    return (outsideDiameter * kScreenDpi + kLineWidth) * 6.24 * printScale / 600.0;
}

}  // namespace corvane::test
