#include "AppFixture.h"
#include "BowlModel.h"
#include "BoxParameters.h"
#include "CommandIds.h"
#include "DesignCsvWriter.h"
#include "DesignView.h"
#include "MainWindow.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace corvane;

namespace {

// Every file the program writes, saved over an existing file on a disk that
// cannot take it.
enum class Target { DesignCsv, LargeDesignCsv, CutListCsv, Png, Pdf, ExportImageCli, PrintPdfCli };

constexpr qint64 kPage = 4096;  // what tmpfs hands out at a time
const QByteArray kOldBytes = QByteArray("the old file, which must survive\r\n").repeated(40);

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

qint64 freeBytes(const QString& dir) {
    struct statvfs info {};
    if (statvfs(QFile::encodeName(dir).constData(), &info) != 0) {
        return -1;
    }
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

// Writes until the disk refuses, then gives back `leave` bytes (whole pages).
bool fillDisk(const QString& filler, qint64 leave) {
    const int fd =
        ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        return false;
    }
    const QByteArray chunk(int(kPage), 'f');
    qint64 size = 0;
    for (qint64 step = kPage; step > 0; step /= 2) {
        ssize_t written = 0;
        while ((written = ::write(fd, chunk.constData(), size_t(step))) > 0) {
            size += written;
        }
    }
    const bool ok = ::ftruncate(fd, size - leave) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

Q_DECLARE_METATYPE(Target)

class FullDiskTest : public test::AppTestCase {
    Q_OBJECT

    QString mountPoint_;
    bool mounted_ = false;

    QString target(Target kind) const {
        switch (kind) {
            case Target::CutListCsv:
                return mountPoint_ + "/keep cut list.csv";
            case Target::Png:
            case Target::ExportImageCli:
                return mountPoint_ + "/keep.png";
            case Target::Pdf:
            case Target::PrintPdfCli:
                return mountPoint_ + "/keep.pdf";
            default:
                return mountPoint_ + "/keep.csv";
        }
    }

    // The message the program showed or printed for the save.
    QString saveAs(Target kind, const QString& path) {
        switch (kind) {
            case Target::DesignCsv:
            case Target::LargeDesignCsv:
                return runSaveCommand(cmd::SaveCsv, path);
            case Target::CutListCsv:
                return runSaveCommand(cmd::SaveCutListCsv, path);
            case Target::Png:
                return runSaveCommand(cmd::SavePng, path);
            case Target::Pdf:
                dialogs().printerAnswers.push_back(true);
                dialogs().printerChoice = [path](QPrinter& printer) {
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(path);
                };
                frame().runCommand(cmd::Print);
                return dialogs().messages.join('\n');
            case Target::ExportImageCli:
                return runProgram({"--export-image", path});
            case Target::PrintPdfCli:
                return runProgram({"--print-pdf", path});
        }
        return {};
    }

    QString runSaveCommand(int command, const QString& path) {
        dialogs().fileAnswers.push_back(path);
        frame().runCommand(command);
        return dialogs().messages.join('\n');
    }

    static QString runProgram(const QStringList& arguments) {
        QProcess process;
        process.start(qEnvironmentVariable("CORVANE_BINARY"), arguments);
        if (!process.waitForFinished(60000)) {
            return QStringLiteral("(did not finish)");
        }
        return QStringLiteral("exit %1: ").arg(process.exitCode()) +
               QString::fromLocal8Bit(process.readAllStandardError());
    }

private slots:
    void initTestCase() {
        mountPoint_ = tempPath("small-disk");
        QVERIFY(QDir().mkpath(mountPoint_));
        mounted_ = QProcess::execute("mount",
                                     {"-t", "tmpfs", "-o", "size=512k", "tmpfs", mountPoint_}) == 0;
        if (!mounted_) {
            QSKIP("a small tmpfs cannot be mounted here (that needs root)");
        }
    }

    void cleanupTestCase() {
        if (mounted_) {
            QProcess::execute("umount", {mountPoint_});
        }
    }

    void init() { fixture_.setUp(); }

    void cleanup() {
        QCOMPARE(fixture_.tearDown(), 0);
        for (const QString& name : QDir(mountPoint_).entryList(QDir::Files | QDir::Hidden)) {
            QFile::remove(QDir(mountPoint_).filePath(name));
        }
    }

    void aFailedSaveKeepsTheOldFileAndSaysWhy_data() {
        QTest::addColumn<Target>("kind");
        QTest::addColumn<qint64>("leave");
        QTest::newRow("design, no byte free") << Target::DesignCsv << qint64(0);
        QTest::newRow("design, one page free") << Target::DesignCsv << kPage;
        QTest::newRow("2,001 segments, two pages free") << Target::LargeDesignCsv << 2 * kPage;
        QTest::newRow("cut list, no byte free") << Target::CutListCsv << qint64(0);
        QTest::newRow("png, no byte free") << Target::Png << qint64(0);
        QTest::newRow("png, one page free") << Target::Png << kPage;
        QTest::newRow("pdf, no byte free") << Target::Pdf << qint64(0);
        QTest::newRow("pdf, one page free") << Target::Pdf << kPage;
        QTest::newRow("--export-image, one page free") << Target::ExportImageCli << kPage;
        QTest::newRow("--print-pdf, no byte free") << Target::PrintPdfCli << qint64(0);
        QTest::newRow("--print-pdf, one page free") << Target::PrintPdfCli << kPage;
    }

    void aFailedSaveKeepsTheOldFileAndSaysWhy() {
        QFETCH(Target, kind);
        QFETCH(qint64, leave);
        if (kind == Target::LargeDesignCsv) {
            editParameters([&](BoxParameters& p) {
                p.BoxRows = 20;
                p.BoxSegments = 100;
            });
        }
        click(5);  // a change that closing must still ask about
        // Small files fit the write buffer: only its final flush meets the full disk.
        QVERIFY(kind != Target::DesignCsv || WriteDesignCsv(model(), "").size() < 16384);

        const QString path = target(kind);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(kOldBytes);
        old.close();
        QVERIFY(fillDisk(mountPoint_ + "/filler", leave));
        QCOMPARE(freeBytes(mountPoint_), leave);

        const QString message = saveAs(kind, path);
        QVERIFY2(message.contains("No space left on device"), qPrintable(message));
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        if (kind == Target::ExportImageCli || kind == Target::PrintPdfCli) {
            QVERIFY2(message.startsWith("exit 1: "), qPrintable(message));
        } else {
            QCOMPARE(dialogs().messages.size(), 1);
            QVERIFY2(message.startsWith("Error saving file: "), qPrintable(message));
        }
        QCOMPARE(readAll(path), kOldBytes);
        QCOMPARE(QDir(mountPoint_).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"filler", QFileInfo(path).fileName()}));

        if (kind != Target::ExportImageCli && kind != Target::PrintPdfCli) {
            dialogs().saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
            QVERIFY(!frame().close());
            QVERIFY(dialogs().saveChangesAnswers.empty());
        }
    }

    // The cut list goes to standard output, here a file on the full disk:
    // the part that does not fit is a failure, whether the list is small
    // (only the last flush meets the full disk) or large.
    void aCutListOntoAFullDiskFails_data() {
        QTest::addColumn<bool>("large");
        QTest::addColumn<qint64>("leave");
        QTest::newRow("small list, no byte free") << false << qint64(0);
        QTest::newRow("large list, no byte free") << true << qint64(0);
        QTest::newRow("large list, four pages free") << true << 4 * kPage;
    }

    void aCutListOntoAFullDiskFails() {
        QFETCH(bool, large);
        QFETCH(qint64, leave);
        if (large) {
            BowlModel many = model();
            many.Rows = 20;
            many.Segments = 100;
            many.ComputeGeometry(many.PixelsPerInch);
            for (int k = 1; k <= many.LastLiveIndex(); ++k) {
                many.SegmentTable[size_t(k)].SegmentColorName = "Wood " + std::to_string(k);
            }
            document().replaceBy(many);
        }
        const QString design = tempPath("cut list design.csv");
        QFile file(design);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(WriteDesignCsv(model(), "")));
        file.close();
        QVERIFY(fillDisk(mountPoint_ + "/filler", leave));

        QProcess process;
        process.setStandardOutputFile(mountPoint_ + "/cut list.csv");
        process.start(qEnvironmentVariable("CORVANE_BINARY"), {"--cut-list", design});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray errors = process.readAllStandardError();
        QVERIFY2(errors.contains("corvane: cannot write the cut list: No space left on device"),
                 errors.constData());
        QCOMPARE(process.exitCode(), 1);
        if (large) {
            QVERIFY(QFileInfo(mountPoint_ + "/cut list.csv").size() <= leave);
        }
    }
};

QTEST_MAIN(FullDiskTest)
#include "FullDiskTest.moc"
