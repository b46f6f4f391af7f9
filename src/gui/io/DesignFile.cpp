#include "DesignFile.h"

#include "BowlModel.h"
#include "DesignCsvReader.h"
#include "DesignCsvWriter.h"
#include "DialogService.h"
#include "FileNameRules.h"
#include "RegularFileReader.h"

#include <QFileInfo>

namespace corvane {

namespace {

// File errors are shown with at most 255 characters of their text.
QString loadErrorText(const QString& detail) {
    return QStringLiteral("Error loading file: ") + detail.left(255);
}

QString fullPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

// The first line as it always was, then the file and why: "<reason> while
// accessing <file>." for the system's reasons, "<file> is a folder." and
// "<file> is not a regular file." for the others.
QString openErrorText(const QString& path, const QString& reason) {
    const QString detail =
        RegularFileReader::reasonFollowsName(reason)
            ? QStringLiteral("%1 %2.").arg(fullPath(path), reason)
            : QStringLiteral("%1 while accessing %2.").arg(reason, fullPath(path));
    return QStringLiteral("Failed to open file for loading.\n") + detail.left(255);
}

}  // namespace

DesignFile::Result DesignFile::open(const QString& path, BowlModel& model) {
    const RegularFileReader::Result file = RegularFileReader::read(path, kMaxFileBytes);
    switch (file.status) {
        case RegularFileReader::Status::Read:
            break;
        case RegularFileReader::Status::CannotOpen:
            return {false, openErrorText(path, file.reason)};
        case RegularFileReader::Status::TooLarge:
            return {false,
                    loadErrorText(QStringLiteral("%1 is larger than %2 MB and cannot be a design.")
                                      .arg(fullPath(path))
                                      .arg(kMaxFileBytes / (1024 * 1024)))};
        case RegularFileReader::Status::ReadError:
            return {false,
                    loadErrorText(
                        QStringLiteral("%1 while accessing %2.").arg(file.reason, fullPath(path)))};
    }
    const ReadResult read =
        ReadDesignCsv(std::string_view(file.bytes.constData(), size_t(file.bytes.size())), model);
    if (!read.ok) {
        return {false, loadErrorText(QString::fromStdString(read.error))};
    }
    QString message = QStringLiteral("Corvane loaded successfully.");
    for (const std::string& note : read.notes) {
        message += QLatin1Char('\n') + QString::fromStdString(note);
    }
    return {true, message};
}

DesignFile::Result DesignFile::save(const QString& path, const BowlModel& model) {
    const std::string bytes = WriteDesignCsv(model, LocalDateText());
    Result result =
        AtomicFileWriter::write(path, QByteArray(bytes.data(), qsizetype(bytes.size())));
    if (result.ok) {
        result.message = QStringLiteral("Corvane saved successfully.");
    }
    return result;
}

QString DesignFile::chooseCsvSavePath(QWidget* parent) {
    const QString chosen = DialogService::instance().chooseFile(
        parent, {QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||"),
                 QStringLiteral("csv"), true});
    return chosen.isEmpty() ? chosen : PathWithRequiredSuffix(chosen, QStringLiteral("csv"));
}

}  // namespace corvane
