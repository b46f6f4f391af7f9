#include "AppFixture.h"
#include "Application.h"
#include "BowlModel.h"
#include "BoxParameters.h"
#include "CommandIds.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "PipeWatchdog.h"
#include "TestEnvironment.h"
#include "ViewProbe.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <clocale>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvane;
using test::ClickView;
using test::SegmentPoint;
using test::ShownColor;
using test::ShowsColor;

namespace {
constexpr Argb kWalnutColor = 0xFF8B4513u;
constexpr int kTeak = 32799;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Reads a file by the bytes of its name.
QByteArray readBytes(const QByteArray& name) {
    QByteArray bytes;
    const int fd = ::open(name.constData(), O_RDONLY);
    if (fd < 0) {
        return bytes;
    }
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, qsizetype(got));
    }
    ::close(fd);
    return bytes;
}

QString binary() {
    return qEnvironmentVariable("CORVANE_BINARY");
}

bool isCi() {
    return qEnvironmentVariable("CI") == QLatin1String("true");
}
}  // namespace

class DesignFileCommandsTest : public test::AppTestCase {
    Q_OBJECT

    QString path(const QString& name) { return tempPath(name); }

    void save(const QString& chosen) {
        dialogs().fileAnswers.push_back(chosen);
        QVERIFY(frame().runCommand(cmd::SaveCsv));
    }
    // Opens over the design on screen, whatever its changes.
    void open(const QString& chosen) {
        if (view().document().hasUnsavedChanges()) {
            dialogs().saveChangesAnswers.push_back(SaveChangesAnswer::Discard);
        }
        dialogs().fileAnswers.push_back(chosen);
        QVERIFY(frame().runCommand(cmd::OpenCsv));
    }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    void saveWritesTheDesignAndAppendsTheSuffix() {
        click(5);
        save(path("design.txt"));
        QCOMPARE(dialogs().messages, QStringList{"Corvane saved successfully."});
        const FileDialogRequest request = dialogs().fileRequests.last();
        QCOMPARE(request.filter, QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("csv"));
        QVERIFY(request.forSaving);

        const QByteArray bytes = readAll(path("design.txt.csv"));
        const QByteArray firstLine =
            "Corvane CSV File,Created: " + QDate::currentDate().toString(Qt::ISODate).toLatin1() +
            "\r\n";
        QVERIFY(bytes.startsWith(firstLine));
        QCOMPARE(bytes.count("\r\n"), 7 + 193);
        QVERIFY(bytes.contains("\r\nID,3.50\r\nOD,8.10\r\nRows,8\r\nSegments,24\r\n"));

        save(path("upper.CSV"));
        QVERIFY(QFile::exists(path("upper.CSV")));
        QVERIFY(!QFile::exists(path("upper.CSV.csv")));
    }

    void cancellingEitherDialogDoesNothing() {
        click(5);
        save(QString());
        open(QString());
        QVERIFY(dialogs().messages.isEmpty());
        QCOMPARE(model().FillHistory.size(), size_t(1));
    }

    // Open on a changed design asks first. Cancel, or a Save that is
    // cancelled or fails, keeps the design and shows no file dialog.
    void openAsksBeforeReplacingAChangedDesign_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("savePath");  // the save dialog's answer after Save
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("messages");
        const QString saved = QStringLiteral("Corvane saved successfully.");
        const QString loaded = QStringLiteral("Corvane loaded successfully.");
        QTest::newRow("cancel") << int(SaveChangesAnswer::Cancel) << QString() << false
                                << QStringList();
        QTest::newRow("discard") << int(SaveChangesAnswer::Discard) << QString() << true
                                 << QStringList{loaded};
        QTest::newRow("save") << int(SaveChangesAnswer::Save) << QStringLiteral("kept.csv") << true
                              << QStringList{saved, loaded};
        QTest::newRow("save cancelled")
            << int(SaveChangesAnswer::Save) << QString() << false << QStringList();
        QTest::newRow("save fails")
            << int(SaveChangesAnswer::Save) << QStringLiteral("/nonexistent-directory/kept.csv")
            << false << QStringList{"Failed to open file for saving."};
    }

    void openAsksBeforeReplacingAChangedDesign() {
        QFETCH(int, answer);
        QFETCH(QString, savePath);
        QFETCH(bool, opened);
        QFETCH(QStringList, messages);
        save(path("other.csv"));  // an empty design
        click(5);
        dialogs().messages.clear();
        dialogs().saveChangesAnswers.push_back(static_cast<SaveChangesAnswer>(answer));
        const bool saves = answer == int(SaveChangesAnswer::Save);
        if (saves) {
            dialogs().fileAnswers.push_back(
                savePath.startsWith('/') || savePath.isEmpty() ? savePath : path(savePath));
        }
        if (opened) {
            dialogs().fileAnswers.push_back(path("other.csv"));
        }
        const qsizetype fileDialogs = dialogs().fileRequests.size();
        QVERIFY(frame().runCommand(cmd::OpenCsv));
        QCOMPARE(dialogs().saveChangesAnswers.size(), size_t(0));
        QCOMPARE(dialogs().fileRequests.size() - fileDialogs, qsizetype(saves) + qsizetype(opened));
        QCOMPARE(dialogs().messages.size(), messages.size());
        for (qsizetype i = 0; i < messages.size(); ++i) {
            QVERIFY2(dialogs().messages[i].startsWith(messages[i]),
                     qPrintable(dialogs().messages[i]));
        }
        QCOMPARE(model().FillHistory.size(), size_t(opened ? 0 : 1));
        QCOMPARE(view().document().hasUnsavedChanges(), !opened);
        if (saves && opened) {
            QVERIFY(readAll(path(savePath)).contains("Walnut"));
        }
    }

    void roundTripRestoresColoursHistoryAndPicture() {
        click(5);
        QVERIFY(frame().runCommand(kTeak));
        click(30);
        click(0);
        save(path("round.csv"));
        const RowTallyMap tallies = model().RowTallies;
        QVERIFY(frame().runCommand(cmd::ClearAllSegmentColors));
        open(path("round.csv"));
        QCOMPARE(dialogs().messages.last(), QStringLiteral("Corvane loaded successfully."));
        QCOMPARE(model().SegmentTable[5].SegmentColor, kWalnutColor);
        QCOMPARE(model().RowTallies, tallies);
        QCOMPARE(model().FillHistory.size(), size_t(3));
        QCOMPARE(ShownColor(view().lastPaintedImage(), SegmentPoint(model(), view().layout(), 5)),
                 kWalnutColor);
        // Undo after opening reverts the newest fill (the disc) to its old colour.
        QVERIFY(frame().runCommand(cmd::UndoLastFill));
        QCOMPARE(model().SegmentTable[0].SegmentColor, kBlankColor);
        QCOMPARE(model().SegmentTable[30].SegmentColorName, std::string("Teak"));

        // Shape values that cannot be used are named in the success message.
        writeAll(path("shape.csv"),
                 "ID,3.50\r\nOD,8.10\r\nRows,8\r\nSegments,24\r\n"
                 "RingHeight,1.2500\r\nWallThickness,-1\r\n");
        open(path("shape.csv"));
        QCOMPARE(dialogs().messages.last(),
                 QStringLiteral("Corvane loaded successfully.\nThese shape values were ignored: "
                                "\"WallThickness,-1\"."));
        QCOMPARE(model().Shape.ringHeight, 1.25);
    }

    void failuresLeaveTheDesignAndTheOldFileAlone() {
        click(7);
        save("/nonexistent-directory/design.csv");
        QVERIFY(dialogs().messages.last().startsWith("Failed to open file for saving.\n"));
        QVERIFY(dialogs().messages.last().contains("No such file or directory"));
        open(path("missing.csv"));
        QCOMPARE(dialogs().messages.last(),
                 QStringLiteral("Failed to open file for loading.\nNo such file or directory "
                                "while accessing %1.")
                     .arg(path("missing.csv")));

        writeAll(path("huge.csv"), "ID,3.5\r\nRows,100\r\nSegments,100\r\nSegmentProp Start,\r\n");
        open(path("huge.csv"));
        QVERIFY(dialogs().messages.last().startsWith("Error loading file: "));
        QVERIFY(dialogs().messages.last().contains("2047"));
        QCOMPARE(model().Rows, 8);
        QCOMPARE(model().FillHistory.size(), size_t(1));
        QCOMPARE(model().SegmentTable[7].SegmentColor, kWalnutColor);
    }

    // Only regular files are read: a device or a pipe would never end, or
    // never begin. The message keeps its first line and adds the file and why.
    void devicesPipesAndFoldersAreRefusedAtOnce_data() {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QStringLiteral("missing.csv")
                                 << QStringLiteral("No such file or directory while accessing %1.");
        QTest::newRow("folder") << QStringLiteral("folder.csv")
                                << QStringLiteral("%1 is a folder.");
        QTest::newRow("pipe") << QStringLiteral("pipe.csv")
                              << QStringLiteral("%1 is not a regular file.");
        QTest::newRow("device") << QStringLiteral("/dev/zero")
                                << QStringLiteral("%1 is not a regular file.");
        QTest::newRow("no read permission")
            << QStringLiteral("locked.csv")
            << QStringLiteral("Permission denied while accessing %1.");
    }

    void devicesPipesAndFoldersAreRefusedAtOnce() {
        QFETCH(QString, design);
        QFETCH(QString, reason);
        click(7);
        const QString full = design.startsWith('/') ? design : path(design);
        // The command line runs as an ordinary user too, who must reach the files.
        QCOMPARE(::chmod(QFile::encodeName(path("")).constData(), 0755), 0);
        std::unique_ptr<test::PipeWatchdog> watchdog;
        if (design == QLatin1String("pipe.csv")) {
            QCOMPARE(::mkfifo(QFile::encodeName(full).constData(), 0644), 0);
            watchdog = std::make_unique<test::PipeWatchdog>(QFile::encodeName(full), 10);
        } else if (design == QLatin1String("folder.csv")) {
            QVERIFY(QDir().mkdir(full));
        } else if (design == QLatin1String("locked.csv")) {
            writeAll(full, "ID,3.5\r\n");
            QCOMPARE(::chmod(QFile::encodeName(full).constData(), 0), 0);
        }
        const QString expected =
            QStringLiteral("Failed to open file for loading.\n") + reason.arg(full);
        // Root may read any file; an ordinary user is refused the locked one.
        const bool asRoot = ::geteuid() == 0;
        if (design != QLatin1String("locked.csv") || !asRoot) {
            open(full);
            QCOMPARE(dialogs().messages.last(), expected);
            QCOMPARE(model().FillHistory.size(), size_t(1));
        }
        QByteArray output;
        QStringList command{binary(), "--cut-list", full};
        if (asRoot) {
            command.prepend("--clear-groups");
            command.prepend("--regid=65534");
            command.prepend("--reuid=65534");
        }
        QProcess process;
        process.start(asRoot ? "setpriv" : command.takeFirst(), command);
        QVERIFY(process.waitForFinished(60000));
        output = process.readAllStandardError();
        if (asRoot && process.exitCode() != 1 && !output.contains("corvane:")) {
            QSKIP("the program cannot be run as user 65534 here");
        }
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(output.contains(expected.toLocal8Bit()), output.constData());
        QVERIFY(watchdog == nullptr || !watchdog->fired());
    }

    void aFileWithoutADesignIsRefusedAndChangesNothing() {
        click(7);
        writeAll(path("cut list.csv"), "Corvane Cut List,Units: in,Kerf: 0.125\r\nRow,Wood\r\n");
        open(path("cut list.csv"));
        QCOMPARE(dialogs().messages.last(),
                 QStringLiteral("Error loading file: no design found in this file."));
        QCOMPARE(model().FillHistory.size(), size_t(1));
        QCOMPARE(model().SegmentTable[7].SegmentColor, kWalnutColor);
        // The refused file did not count as saved: closing still asks.
        dialogs().saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
        QVERIFY(!frame().close());
    }

    // Names are bytes: one that is not UTF-8 opens, and the picture is
    // written under exactly the name given.
    void namesThatAreNotUtf8OpenAndExport() {
        click(0);
        save(path("plain.csv"));
        const QByteArray folder = QFile::encodeName(path(""));
        const QByteArray latin1Name = folder + "/caf\xe9";
        QVERIFY(QFile::copy(path("plain.csv"), path("utf8.csv")));
        QCOMPARE(::rename(QFile::encodeName(path("utf8.csv")).constData(),
                          (latin1Name + ".csv").constData()),
                 0);
        // The shell hands the program the bytes; QProcess would pass UTF-8.
        const QString script = QStringLiteral(
            "exec \"$0\" --export-image \"$(printf '%s/caf\\351.png' \"$1\")\" --size 600x400 "
            "\"$(printf '%s/caf\\351.csv' \"$1\")\"");
        QProcess process;
        process.start("sh", {"-c", script, binary(), QFile::decodeName(folder)});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        const QByteArray png = readBytes(latin1Name + ".png");
        // Qt could not remove these names with the temporary folder.
        ::unlink((latin1Name + ".png").constData());
        ::unlink((latin1Name + ".csv").constData());
        QVERIFY(ShowsColor(QImage::fromData(png, "PNG"), kWalnutColor));
    }

    void numbersUseAPointWhateverTheLocale() {
        const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        if (!german) {
            if (isCi()) {
                QFAIL("the de_DE.UTF-8 locale must be installed in CI");
            }
            QSKIP("no German locale on this machine");
        }
        editParameters([&](BoxParameters& p) { p.BoxID = 3.25; });
        save(path("german.csv"));
        const QByteArray bytes = readAll(path("german.csv"));
        QVERIFY(bytes.contains("\r\nID,3.25\r\n"));
        QVERIFY(bytes.contains("\r\n0.00,156.00,0.00,360.00,"));
        editParameters([&](BoxParameters& p) { p.BoxID = 1.0; });
        open(path("german.csv"));
        QCOMPARE(model().ID, 3.25);
        std::setlocale(LC_ALL, "C");
    }

    // A folder that takes no new file while the file itself may be written:
    // the save is refused with the reason, and the old file keeps every byte
    // (written in place, a full disk could leave it cut off).
    void aFileInAFolderThatTakesNoNewFileIsRefused() {
        QTemporaryDir folder;
        const QString target = folder.filePath("in place.png");
        writeAll(target, "the old picture");
        const QByteArray name = QFile::encodeName(target);
        QStringList command;
        if (::geteuid() == 0) {
            // Root may write into any folder; an ordinary user who owns the file may not.
            QCOMPARE(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
            QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
            command = {"--reuid=65534", "--regid=65534", "--clear-groups"};
            if (QProcess::execute("setpriv", command + QStringList{binary(), "--version"}) != 0) {
                QSKIP("the program cannot be run as user 65534 from this folder");
            }
        } else {
            QCOMPARE(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
        }
        command += {binary(), "--export-image", target, "--size", "300x200"};
        QProcess process;
        process.start(::geteuid() == 0 ? "setpriv" : command.takeFirst(), command);
        QVERIFY(process.waitForFinished(60000));
        ::chmod(QFile::encodeName(folder.path()).constData(), 0700);
        QCOMPARE(process.exitCode(), 1);
        // Qt may warn first about the user's runtime folder.
        const QString error = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(error.endsWith(QStringLiteral("corvane: Failed to open file for saving.\n"
                                               "Permission denied while accessing %1.\n")
                                    .arg(target)),
                 qPrintable(error));
        QCOMPARE(readAll(target), QByteArray("the old picture"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"in place.png"});
    }

    // A real spreadsheet: LibreOffice Calc opens a saved design, a number
    // is typed into the ID cell, and the sheet is saved back as CSV.
    void aDesignEditedInCalcOpensWithTheChangeAndNothingLost_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("exportOptions");
        QTest::addColumn<QByteArray>("idLine");
        QTest::newRow("English defaults") << "en_US.UTF-8"
                                          << "44,34,76,1,,1033" << QByteArray("ID,3.75,");
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "44,34,76,1,,1031" << QByteArray("ID,\"3,75\",");
        QTest::newRow("all text quoted") << "en_US.UTF-8"
                                         << "44,34,76,1,,1033,true" << QByteArray("\"ID\",3.75,");
    }

    void aDesignEditedInCalcOpensWithTheChangeAndNothingLost() {
        QFETCH(QString, locale);
        QFETCH(QString, exportOptions);
        QFETCH(QByteArray, idLine);
        const QString script = QStringLiteral(CORVANE_TEST_DATA "/../gui/io/edit-in-calc.py");
        if (QProcess::execute("/usr/bin/python3", {"-c", "import uno"}) != 0 ||
            QStandardPaths::findExecutable("soffice").isEmpty()) {
            if (isCi()) {
                QFAIL("LibreOffice Calc and python3-uno must be installed in CI");
            }
            QSKIP("no LibreOffice Calc with python3-uno (libreoffice-calc-nogui)");
        }
        QVERIFY(!document().setRingHeight(1.0));
        QVERIFY(!document().setRowHeight(2, 1.5));
        QVERIFY(!document().setProfilePoints({{1.75, 1.0}, {3.6, 3.0}, {4.05, 9.5}}));
        click(0);
        QVERIFY(frame().runCommand(kTeak));
        click(30);
        click(31);
        click(30);
        save(path("design.csv"));
        open(path("design.csv"));
        BowlModel expected = model();
        expected.ID = 3.75;

        QProcess calc;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", locale);
        environment.insert("LANG", locale);
        calc.setProcessEnvironment(environment);
        calc.start("/usr/bin/python3",
                   {script, path("design.csv"), path("edited.csv"),
                    exportOptions.section(',', 0, 5), exportOptions, "B2", "3.75"});
        QVERIFY(calc.waitForFinished(120000));
        QVERIFY2(calc.exitCode() == 0, calc.readAllStandardError().constData());
        const QByteArray edited = readAll(path("edited.csv"));
        QVERIFY2(edited.contains("\n" + idLine), edited.left(200).constData());

        editParameters(
            [&](BoxParameters& p) { p.BoxOD = 1.0; });  // nothing may stay from before the open
        open(path("edited.csv"));
        QCOMPARE(dialogs().messages.last(), QStringLiteral("Corvane loaded successfully."));
        QCOMPARE(model().ID, expected.ID);
        QCOMPARE(model().OD, expected.OD);
        QCOMPARE(model().Rows, expected.Rows);
        QCOMPARE(model().Segments, expected.Segments);
        QVERIFY(model().Shape == expected.Shape);
        QCOMPARE(model().FillHistory, expected.FillHistory);
        QCOMPARE(model().RowTallies, expected.RowTallies);
        for (int k = 0; k <= model().Rows * model().Segments; ++k) {
            QVERIFY2(model().SegmentTable[size_t(k)] == expected.SegmentTable[size_t(k)],
                     qPrintable(QString::number(k)));
        }
    }

    void commandLineStartsWithAndRendersADesign() {
        click(0);
        save(path("cli.csv"));
        const QString image = path("cli.png");
        QProcess process;
        process.start(qEnvironmentVariable("CORVANE_BINARY"),
                      {"--export-image", image, "--size", "600x400", path("cli.csv")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(ShowsColor(QImage(image), kWalnutColor));

        process.start(qEnvironmentVariable("CORVANE_BINARY"),
                      {"--export-image", image, path("does-not-exist.csv")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("Failed to open file for loading."));
    }
};

QTEST_MAIN(DesignFileCommandsTest)
#include "DesignFileCommandsTest.moc"
