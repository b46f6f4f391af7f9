#include "DesignFile.h"

#include "BowlModel.h"
#include "DesignCsvReader.h"
#include "DesignCsvWriter.h"
#include "DialogService.h"
#include "FileNameRules.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace corvane {

namespace {

// File errors are shown with at most 255 characters of their text.
QString errorText(const QString& prefix, const QString& detail) {
    return prefix + detail.left(255);
}

QString fullPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

DesignFile::Result DesignFile::open(const QString& path, BowlModel& model) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        return {false, QStringLiteral("Failed to open file for loading.")};
    }
    if (file.size() > kMaxFileBytes) {
        return {false, errorText(QStringLiteral("Error loading file: "),
                                 QStringLiteral("%1 is larger than %2 MB and cannot be a design.")
                                     .arg(fullPath(path))
                                     .arg(kMaxFileBytes / (1024 * 1024)))};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {false, errorText(QStringLiteral("Error loading file: "),
                                 QStringLiteral("An unknown error occurred while accessing %1.")
                                     .arg(fullPath(path)))};
    }
    const ReadResult read =
        ReadDesignCsv(std::string_view(bytes.constData(), size_t(bytes.size())), model);
    if (!read.ok) {
        return {false, errorText(QStringLiteral("Error loading file: "),
                                 QString::fromStdString(read.error))};
    }
    return {true, QStringLiteral("Corvane loaded successfully.")};
}

DesignFile::Result DesignFile::save(const QString& path, const BowlModel& model) {
    Result result = writeAtomically(path, WriteDesignCsv(model, LocalDateText()));
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

DesignFile::Result DesignFile::writeAtomically(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, QStringLiteral("Failed to open file for saving.")};
    }
    const bool written = file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
    if (!written || !file.commit()) {
        file.cancelWriting();
        // A failed write or close is reported as a full disk, the usual cause.
        return {false,
                errorText(QStringLiteral("Error saving file: "),
                          QStringLiteral("Disk full while accessing %1.").arg(fullPath(path)))};
    }
    return {true, QString()};
}

}  // namespace corvane
