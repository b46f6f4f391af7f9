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
#include <sys/stat.h>
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

// Links, read-only files and owners, each saved by root (the design save in
// the window) or by an ordinary user (--export-image as user 65534).
enum class Place {
    LinkToANewFile,
    ChainOfLinks,
    LoopOfLinks,
    ReadOnlyForRoot,
    ReadOnlyForTheUser,
    OwnerKeptByRoot,
    OwnFileOfTheUser,
    FileOfAnotherUser,
    FolderRefusesANewFile,
};

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

QByteArray nameOf(const QString& path) {
    return QFile::encodeName(path);
}

struct stat statOf(const QString& path) {
    struct stat info {};
    ::lstat(nameOf(path).constData(), &info);
    return info;
}

}  // namespace

Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Place)

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

    // Runs the program as user 65534 (nobody, group nogroup and no other).
    static QString runAsNobody(const QStringList& arguments) {
        return runProgram(arguments, {"--reuid=65534", "--regid=65534", "--clear-groups"});
    }

    static QString runProgram(const QStringList& arguments, const QStringList& asUser = {}) {
        QProcess process;
        if (asUser.isEmpty()) {
            process.start(qEnvironmentVariable("CORVANE_BINARY"), arguments);
        } else {
            process.start("setpriv",
                          asUser + QStringList{qEnvironmentVariable("CORVANE_BINARY")} + arguments);
        }
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
        // An ordinary user must reach the small disk to save on it.
        QCOMPARE(::chmod(nameOf(QFileInfo(mountPoint_).path()).constData(), 0711), 0);
    }

    void cleanupTestCase() {
        if (mounted_) {
            QProcess::execute("umount", {mountPoint_});
        }
    }

    void init() { fixture_.setUp(); }

    void cleanup() {
        QCOMPARE(fixture_.tearDown(), 0);
        // Links too, also those that lead nowhere.
        for (const QString& name : QDir(mountPoint_)
                                       .entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                                  QDir::NoDotAndDotDot)) {
            ::unlink(nameOf(QDir(mountPoint_).filePath(name)).constData());
        }
        ::chmod(nameOf(mountPoint_).constData(), 0755);
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

    void linksReadOnlyFilesAndOwners_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("refusal");  // empty when the save succeeds
        QTest::newRow("link to a file not made yet") << Place::LinkToANewFile << QString();
        QTest::newRow("chain of links") << Place::ChainOfLinks << QString();
        QTest::newRow("loop of links")
            << Place::LoopOfLinks
            << QStringLiteral(
                   "Failed to open file for saving.\nToo many levels of symbolic "
                   "links while accessing %1.");
        QTest::newRow("read-only, root saves")
            << Place::ReadOnlyForRoot
            << QStringLiteral("Failed to open file for saving.\n%1 is read-only.");
        QTest::newRow("read-only, user saves")
            << Place::ReadOnlyForTheUser
            << QStringLiteral("Failed to open file for saving.\n%1 is read-only.");
        QTest::newRow("owner kept, root saves") << Place::OwnerKeptByRoot << QString();
        QTest::newRow("own file, user saves") << Place::OwnFileOfTheUser << QString();
        QTest::newRow("another user's file, user saves")
            << Place::FileOfAnotherUser
            << QStringLiteral(
                   "Failed to open file for saving.\nThe owner and group of the file "
                   "cannot be kept while accessing %1.");
        QTest::newRow("folder refuses a new file, user saves")
            << Place::FolderRefusesANewFile
            << QStringLiteral(
                   "Failed to open file for saving.\nPermission denied while "
                   "accessing %1.");
    }

    // What is saved goes where the name leads, keeps the owner and group of
    // the file it replaces, and never replaces a file that may not be written:
    // a refused save says why and leaves every byte of the old file.
    void linksReadOnlyFilesAndOwners() {
        QFETCH(Place, place);
        QFETCH(QString, refusal);
        const QString named = mountPoint_ + "/keep.png";
        const QString target = mountPoint_ + "/kept picture.png";
        const QByteArray link = nameOf(named);
        bool asUser = false;
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode_t mode = 0666 & ~mask;  // a new file's
        uid_t owner = 0;
        gid_t group = 0;
        switch (place) {
            case Place::LinkToANewFile:
                QCOMPARE(::symlink("kept picture.png", link.constData()), 0);
                break;
            case Place::ChainOfLinks:
                writeOld(target, 0640, kNobody, kNoGroup);
                QCOMPARE(::symlink("middle.png", link.constData()), 0);
                QCOMPARE(::symlink(nameOf(target).constData(),
                                   nameOf(mountPoint_ + "/middle.png").constData()),
                         0);
                mode = 0640;
                owner = kNobody;
                group = kNoGroup;
                break;
            case Place::LoopOfLinks:
                QCOMPARE(::symlink("middle.png", link.constData()), 0);
                QCOMPARE(::symlink("keep.png", nameOf(mountPoint_ + "/middle.png").constData()), 0);
                break;
            case Place::ReadOnlyForRoot:
                writeOld(named, 0444, 0, 0);
                break;
            case Place::ReadOnlyForTheUser:
                writeOld(named, 0644, 0, 0);
                asUser = true;
                break;
            case Place::OwnerKeptByRoot:
                writeOld(named, 0640, kNobody, kNoGroup);
                mode = 0640;
                owner = kNobody;
                group = kNoGroup;
                break;
            case Place::OwnFileOfTheUser:
                writeOld(named, 0600, kNobody, kNoGroup);
                asUser = true;
                mode = 0600;
                owner = kNobody;
                group = kNoGroup;
                break;
            case Place::FileOfAnotherUser:
                writeOld(named, 0664, 0, kNoGroup);
                asUser = true;
                break;
            case Place::FolderRefusesANewFile:
                writeOld(named, 0644, kNobody, kNoGroup);
                asUser = true;
                break;
        }
        // The user may make files on the small disk, except where that is the point.
        const mode_t folder = place == Place::FolderRefusesANewFile ? 0755 : 0777;
        QCOMPARE(::chmod(nameOf(mountPoint_).constData(), folder), 0);
        const QStringList before =
            QDir(mountPoint_)
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);

        QString message;
        if (asUser) {
            if (!runAsNobody({"--version"}).startsWith("exit 0")) {
                QSKIP("the program cannot be run as user 65534 here");
            }
            message = runAsNobody({"--export-image", named, "--size", "300x200"});
        } else {
            message = runProgram({"--export-image", named, "--size", "300x200"});
        }

        const QString written =
            place == Place::LinkToANewFile || place == Place::ChainOfLinks ? target : named;
        if (refusal.isEmpty()) {
            QVERIFY2(message.startsWith("exit 0: "), qPrintable(message));
            QVERIFY(!QImage(written).isNull());
            const struct stat info = statOf(written);
            QCOMPARE(info.st_mode & 07777, mode);
            QCOMPARE(info.st_uid, place == Place::LinkToANewFile ? 0 : owner);
            QCOMPARE(info.st_gid, place == Place::LinkToANewFile ? 0 : group);
            if (written != named) {
                QVERIFY(S_ISLNK(statOf(named).st_mode));
            }
        } else {
            // Qt may warn first about the user's runtime folder.
            QVERIFY2(message.startsWith("exit 1: ") &&
                         message.endsWith(QStringLiteral("corvane: ") + refusal.arg(named) + "\n"),
                     qPrintable(message));
            if (place != Place::LoopOfLinks) {
                QCOMPARE(readAll(named), kOldBytes);
            }
        }
        // No temporary file is left behind, and nothing else appears.
        const auto besideTarget = [&](QStringList names) {
            names.removeAll(QFileInfo(target).fileName());
            return names;
        };
        QCOMPARE(besideTarget(QDir(mountPoint_)
                                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                             QDir::NoDotAndDotDot)),
                 besideTarget(before));
    }

private:
    void writeOld(const QString& path, mode_t mode, uid_t owner, gid_t group) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(kOldBytes);
        old.close();
        QCOMPARE(::chown(nameOf(path).constData(), owner, group), 0);
        QCOMPARE(::chmod(nameOf(path).constData(), mode), 0);
    }
};

QTEST_MAIN(FullDiskTest)
#include "FullDiskTest.moc"
