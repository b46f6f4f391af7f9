#include "OutputFile.h"

#include "ImageFile.h"
#include "NativeFileName.h"
#include "PrintError.h"

#include <sys/stat.h>

namespace corvane {

QByteArray ImageOutputFormat(const QString& path) {
    const QByteArray format = ImageFormatForPath(path);
    if (format.isEmpty()) {
        PrintError(QStringLiteral("cannot tell the image format of \"%1\": use .png, .jpg or .bmp.")
                       .arg(path));
    }
    return format;
}

bool IsPdfOutput(const QString& path) {
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        return true;
    }
    PrintError(
        QStringLiteral("--print-pdf writes PDF files: give a name ending in .pdf, got \"%1\".")
            .arg(path));
    return false;
}

// The same device and inode is the same file, whatever the names.
bool IsNotTheDesign(const QString& output, const QString& design) {
    struct stat outputFile {};
    struct stat designFile {};
    if (design.isEmpty() || ::stat(EncodeFileName(output).constData(), &outputFile) != 0 ||
        ::stat(EncodeFileName(design).constData(), &designFile) != 0) {
        return true;
    }
    if (outputFile.st_dev != designFile.st_dev || outputFile.st_ino != designFile.st_ino) {
        return true;
    }
    PrintError(
        QStringLiteral("\"%1\" is the design file the job reads; give another name for the output.")
            .arg(output));
    return false;
}

}  // namespace corvane
