#include "BowlModel.h"
#include "DesignCsvWriter.h"
#include "ViewProbe.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace corvane;
using test::HasDarkPixel;
using test::ShownColor;

namespace {

// How the program is started: with this environment, these streams.
enum class Start { Normal, NoDisplay, DeadDisplay, IntoDevFull, StdoutClosed, MemoryLimited };

struct Outcome {
    int exitCode = -1;  // -1 when the program crashed or hung
    QByteArray out;
    QByteArray err;
};

QString binary() {
    return qEnvironmentVariable("CORVANE_BINARY");
}

// No display of any kind, and no platform chosen: what a build machine or
// a login without a desktop has.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    return environment;
}

// A picture of 256 million pixels needs a gigabyte for each of its
// layers; below that limit its allocation fails. AddressSanitizer cannot
// run under an address-space limit, but can refuse large allocations.
void limitMemory(QProcess& process, QString& program, QStringList& arguments) {
#if defined(__SANITIZE_ADDRESS__)
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS",
                       environment.value("ASAN_OPTIONS") +
                           ":allocator_may_return_null=1:max_allocation_size_mb=512");
    process.setProcessEnvironment(environment);
    Q_UNUSED(program);
    Q_UNUSED(arguments);
#else
    Q_UNUSED(process);
    arguments = QStringList{"--as=1610612736", "--", program} + arguments;
    program = "prlimit";
#endif
}

Outcome run(const QStringList& givenArguments, Start start = Start::Normal) {
    QProcess process;
    QString program = binary();
    QStringList arguments = givenArguments;
    switch (start) {
        case Start::Normal:
            break;
        case Start::NoDisplay:
            process.setProcessEnvironment(withoutDisplay());
            break;
        case Start::DeadDisplay: {
            QProcessEnvironment environment = withoutDisplay();
            environment.insert("DISPLAY", ":7391");  // no X server answers there
            process.setProcessEnvironment(environment);
            break;
        }
        case Start::IntoDevFull:
            process.setStandardOutputFile("/dev/full");
            break;
        case Start::StdoutClosed:
            arguments.prepend(program);
            arguments.prepend("exec \"$0\" \"$@\" >&-");
            arguments.prepend("-c");
            program = "/bin/sh";
            break;
        case Start::MemoryLimited:
            limitMemory(process, program, arguments);
            break;
    }
    process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit) {
        outcome.exitCode = process.exitCode();
    }
    return outcome;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray kOldBytes = "the old file, which must survive\n";

}  // namespace

Q_DECLARE_METATYPE(Start)

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // A design file under any name: the program reads it whatever its name.
    QString writeDesign(const QString& name) const {
        BowlModel model;
        model.ComputeGeometry(96);
        const std::string bytes = WriteDesignCsv(model, "2024-01-01");
        return writeFile(path(name), QByteArray::fromStdString(bytes)) ? path(name) : QString();
    }

    // Every segment of 20 rows of 100 of its own wood: a cut list of
    // several hundred kilobytes, far beyond any output buffer.
    QString writeLargeDesign() const {
        BowlModel model;
        model.Rows = 20;
        model.Segments = 100;
        model.ComputeGeometry(96);
        for (int k = 1; k <= model.LastLiveIndex(); ++k) {
            model.SegmentTable[size_t(k)].SegmentColorName = "Wood number " + std::to_string(k);
        }
        model.RecountRowTallies();
        const std::string bytes = WriteDesignCsv(model, "2024-01-01");
        return writeFile(path("large.csv"), QByteArray::fromStdString(bytes)) ? path("large.csv")
                                                                              : QString();
    }

private slots:
    void exportImageRendersTheDefaultDesign() {
        const QString image = path("out.png");
        QCOMPARE(run({"--export-image", image, "--size", "1000x700"}).exitCode, 0);
        QImage picture(image);
        // Tall enough for the whole 8.1 in bowl at 96 pixels per inch with its
        // margin, and wide enough for the tally column on either side of it.
        QCOMPARE(picture.size(), QSize(1024, 794));
        // Below the tallies the middle line crosses only the rings: the OD
        // circle to the outside of its line, whole and beside the tallies.
        const int middle = picture.height() / 2;
        int first = -1;
        int last = -1;
        for (int x = 0; x < picture.width(); ++x) {
            if (ShownColor(picture, {x, middle}) == kBlackColor) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        QVERIFY(qAbs(last - first + 1 - (8.1 * 96 + 3)) <= 2);
        QCOMPARE((first + last) / 2, picture.width() / 2);
        QVERIFY(first > 0 && last < picture.width() - 1);
        QCOMPARE(ShownColor(picture, {(first + last) / 2 + 180, middle + 23}), kBlankColor);
        QVERIFY(HasDarkPixel(picture, QRect(10, 0, 30, 20)));
        QVERIFY(!HasDarkPixel(picture, QRect(0, middle - 10, first - 1, 20)));
    }

    void exportImageFormatsFollowTheExtension() {
        for (const QString& name : {QStringLiteral("a.jpg"), QStringLiteral("b.BMP")}) {
            QCOMPARE(run({"--export-image", path(name), "--size", "320x200"}).exitCode, 0);
            const QSize size = QImage(path(name)).size();
            QVERIFY(size.width() >= 320 && size.height() >= 200);
        }
    }

    // Asked for what it cannot do, the program says so, exits with 2 (the
    // command line) or 1 (the job failed), and writes nothing.
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("complaint");
        const QString png = path("refused.png");
        const QString pdf = path("refused.pdf");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "Unknown option 'bogus'";
        QTest::newRow("value missing")
            << QStringList{"--export-image", png, "--size"} << 2 << "Missing value after '--size'";
        QTest::newRow("size zero") << QStringList{"--export-image", png, "--size", "0x5"} << 2
                                   << "--size wants WIDTHxHEIGHT";
        QTest::newRow("size no number") << QStringList{"--print-pdf", pdf, "--size", "wide"} << 2
                                        << "--size wants WIDTHxHEIGHT";
        QTest::newRow("gif") << QStringList{"--export-image", path("x.gif")} << 2
                             << "cannot tell the image format";
        QTest::newRow("folder missing") << QStringList{"--export-image", "/nonexistent-dir/x.png"}
                                        << 1 << "Failed to open file for saving.";
        QTest::newRow("two designs") << QStringList{"--export-image", png, "a.csv", "b.csv"} << 2
                                     << "give at most one design file.";
        QTest::newRow("two designs for the window")
            << QStringList{"a.csv", "b.csv"} << 2 << "give at most one design file.";

        // One job at a time, and each option with its own job.
        const QString twoJobs = "give one job at a time: ";
        QTest::newRow("image and cut list")
            << QStringList{"--export-image", png, "--cut-list"} << 2
            << twoJobs + "--export-image and --cut-list were both given.";
        QTest::newRow("pdf and 3d") << QStringList{"--print-pdf", pdf, "--export-3d", png} << 2
                                    << twoJobs + "--export-3d and --print-pdf were both given.";
        QTest::newRow("kerf alone") << QStringList{"--kerf", "0.1"} << 2
                                    << "--kerf belongs to --cut-list; give it with that job.";
        QTest::newRow("kerf with an image")
            << QStringList{"--export-image", png, "--kerf", "0.1"} << 2
            << "--kerf belongs to --cut-list; give it with that job.";
        QTest::newRow("scale with the cut list")
            << QStringList{"--cut-list", "--scale", "2"} << 2
            << "--scale belongs to --print-pdf; give it with that job.";
        QTest::newRow("size alone")
            << QStringList{"--size", "10x10"} << 2
            << "--size belongs to --export-image, --export-3d or --print-pdf; give it with one of "
               "those jobs.";
        QTest::newRow("units with a pdf")
            << QStringList{"--print-pdf", pdf, "--units", "mm"} << 2
            << "--units belongs to --export-3d or --cut-list; give it with one of those jobs.";
        QTest::newRow("azimuth alone")
            << QStringList{"--azimuth", "10"} << 2 << "--azimuth belongs to --export-3d";

        // A printout goes only into a PDF file.
        const QString pdfOnly = "--print-pdf writes PDF files: give a name ending in .pdf, got \"";
        for (const char* name : {"design.csv", "picture.png", "noextension", "x.pdf.txt"}) {
            QTest::newRow(qPrintable(QStringLiteral("print-pdf onto ") + name))
                << QStringList{"--print-pdf", path(name)} << 2 << pdfOnly + path(name) + "\".";
        }

        // Pictures beyond what memory can hold are not even tried.
        const QString beyond =
            "is more than can be drawn: at most 16384 pixels a side and "
            "256 million pixels in all.";
        const struct {
            const char* job;
            QString output;
        } sizedJobs[] = {{"--export-image", png}, {"--print-pdf", pdf}, {"--export-3d", png}};
        for (const auto& job : sizedJobs) {
            for (const char* size :
                 {"16385x10", "10x16385", "16384x15626", "20000x20000", "99999999999999999999x1"}) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(job.job, size)))
                    << QStringList{job.job, job.output, "--size", size} << 2
                    << QStringLiteral("--size \"%1\" %2").arg(size, beyond);
            }
        }
    }

    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, complaint);
        QFile::remove(path("refused.png"));
        QFile::remove(path("refused.pdf"));
        const Outcome outcome = run(arguments);
        QVERIFY2(outcome.err.contains(("corvane: " + complaint).toUtf8()), outcome.err.constData());
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY(outcome.out.isEmpty());
        QVERIFY(!QFile::exists(path("refused.png")));
        QVERIFY(!QFile::exists(path("refused.pdf")));
        for (const char* name : {"design.csv", "picture.png", "noextension", "x.pdf.txt"}) {
            QVERIFY(!QFile::exists(path(name)));
        }
    }

    // The largest picture allowed may still not fit the memory there is:
    // then the job says so and fails, and the old file keeps its bytes.
    void anAllocationThatFailsIsReported_data() {
        QTest::addColumn<QString>("job");
        QTest::addColumn<QString>("name");
        QTest::newRow("export-image") << "--export-image"
                                      << "huge.png";
    }

    void anAllocationThatFailsIsReported() {
        QFETCH(QString, job);
        QFETCH(QString, name);
        QVERIFY(writeFile(path(name), kOldBytes));
        const Outcome outcome =
            run({job, path(name), "--size", "16000x16000"}, Start::MemoryLimited);
        QVERIFY2(
            outcome.err.contains("corvane: not enough memory for a picture of 16000x16000 pixels."),
            outcome.err.constData());
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(readAll(path(name)), kOldBytes);
    }

    // The design file a job reads is never its output, under any name.
    void noJobWritesOverItsDesign_data() {
        QTest::addColumn<QString>("job");
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("output");
        QTest::newRow("image, same name") << "--export-image"
                                          << "design.png"
                                          << "design.png";
        QTest::newRow("image, another spelling") << "--export-image"
                                                 << "design.png"
                                                 << "./sub/../design.png";
        QTest::newRow("image, symbolic link") << "--export-image"
                                              << "design.png"
                                              << "link.png";
        QTest::newRow("image, hard link") << "--export-image"
                                          << "design.png"
                                          << "hard.png";
        QTest::newRow("pdf, same name") << "--print-pdf"
                                        << "design.pdf"
                                        << "design.pdf";
        QTest::newRow("pdf, symbolic link") << "--print-pdf"
                                            << "design.pdf"
                                            << "link.pdf";
        QTest::newRow("3d, same name") << "--export-3d"
                                       << "design.png"
                                       << "design.png";
    }

    void noJobWritesOverItsDesign() {
        QFETCH(QString, job);
        QFETCH(QString, design);
        QFETCH(QString, output);
        QDir(dir_.path()).mkpath("sub");
        const QString designPath = writeDesign(design);
        QVERIFY(!designPath.isEmpty());
        const QByteArray before = readAll(designPath);
        if (output.startsWith("link")) {
            QVERIFY(QFile::link(designPath, path(output)));
        } else if (output.startsWith("hard")) {
            QCOMPARE(::link(QFile::encodeName(designPath).constData(),
                            QFile::encodeName(path(output)).constData()),
                     0);
        }
        const Outcome outcome = run({job, path(output), designPath});
        QVERIFY2(outcome.err.contains(
                     QStringLiteral("corvane: \"%1\" is the design file the job reads; give "
                                    "another name for the output.")
                         .arg(path(output))
                         .toUtf8()),
                 outcome.err.constData());
        QCOMPARE(outcome.exitCode, 2);
        QCOMPARE(readAll(designPath), before);
        if (output != design) {
            QFile::remove(path(output));
        }
    }

    // A print onto its own input was refused for its name before it could
    // be refused for being the same file.
    void printPdfOntoItsOwnDesignCsv() {
        const QString design = writeDesign("d.csv");
        const QByteArray before = readAll(design);
        const Outcome outcome = run({"--print-pdf", design, design});
        QCOMPARE(outcome.exitCode, 2);
        QVERIFY2(outcome.err.contains("give a name ending in .pdf"), outcome.err.constData());
        QCOMPARE(readAll(design), before);
    }

    // A cut list that does not all arrive is a failure, small or large.
    void aCutListThatCannotBeWrittenFails_data() {
        QTest::addColumn<Start>("start");
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("reason");
        QTest::newRow("small into /dev/full")
            << Start::IntoDevFull << false << "No space left on device";
        QTest::newRow("large into /dev/full")
            << Start::IntoDevFull << true << "No space left on device";
        QTest::newRow("small, output closed")
            << Start::StdoutClosed << false << "Bad file descriptor";
        QTest::newRow("large, output closed")
            << Start::StdoutClosed << true << "Bad file descriptor";
    }

    void aCutListThatCannotBeWrittenFails() {
        QFETCH(Start, start);
        QFETCH(bool, large);
        QFETCH(QString, reason);
        const QString design = large ? writeLargeDesign() : writeDesign("small.csv");
        const Outcome outcome = run({"--cut-list", design}, start);
        QVERIFY2(outcome.err.contains(("corvane: cannot write the cut list: " + reason).toUtf8()),
                 outcome.err.constData());
        QCOMPARE(outcome.exitCode, 1);
    }

    void aLargeCutListArrivesWhole() {
        const Outcome outcome = run({"--cut-list", writeLargeDesign()});
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY(outcome.err.isEmpty());
        QVERIFY2(outcome.out.size() > 200 * 1024, qPrintable(QString::number(outcome.out.size())));
        QVERIFY(outcome.out.contains("Wood number 2000,"));
        QVERIFY(outcome.out.endsWith("\r\n"));
    }

    // Nothing of this needs a display; nothing aborts for the lack of one.
    void withoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--export-image";
        QTest::newRow("help-all") << QStringList{"--help-all"} << 0 << "-platform";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Corvane07 ";
        QTest::newRow("bogus") << QStringList{"--bogus"} << 2 << "Unknown option 'bogus'";
        QTest::newRow("kerf without its job")
            << QStringList{"--kerf", "0.1"} << 2 << "--kerf belongs to --cut-list";
        QTest::newRow("two jobs") << QStringList{"--cut-list", "--print-pdf", path("n.pdf")} << 2
                                  << "give one job at a time";
        QTest::newRow("cut list") << QStringList{"--cut-list"} << 0 << "Row,";
        QTest::newRow("image") << QStringList{"--export-image", path("nd.png")} << 0 << "";
        QTest::newRow("pdf") << QStringList{"--print-pdf", path("nd.pdf")} << 0 << "";
        QTest::newRow("3d") << QStringList{"--export-3d", path("nd3.png")} << 1 << "xvfb-run";
        QTest::newRow("window") << QStringList{} << 1 << "the window needs a display";
        QTest::newRow("window with a design")
            << QStringList{"design.csv"} << 1 << "the window needs a display";
    }

    void withoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const Outcome outcome = run(arguments, Start::NoDisplay);
        QVERIFY2((outcome.out + outcome.err).contains(said.toUtf8()), outcome.err.constData());
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY2(!outcome.err.contains("could not connect to display"), outcome.err.constData());
    }

    // Qt aborts when the display named does not answer; the program fails instead.
    void aDisplayThatDoesNotAnswerIsAFailure() {
        const Outcome outcome = run({}, Start::DeadDisplay);
        QVERIFY2(outcome.err.contains("corvane: "), outcome.err.constData());
        QCOMPARE(outcome.exitCode, 1);
    }

    void versionIsTheProjectVersion() {
        const Outcome outcome = run({"--version"});
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out, QByteArray("Corvane07 " CORVANE_PROJECT_VERSION "\n"));
    }

    void helpShowsEveryJobAndTheExitCodes() {
        const Outcome outcome = run({"--help"});
        QCOMPARE(outcome.exitCode, 0);
        for (const char* line :
             {"Usage: corvane [DESIGN.csv]\n",
              "\n       corvane --export-image OUT.png [--size WxH]",
              "\n       corvane --cut-list [--units in|mm] [--kerf K] [--allowance A]\n",
              "\n       corvane --print-pdf OUT.pdf [--scale S] [--size WxH] [DESIGN.csv]\n",
              "\n       corvane --export-3d OUT.png", "--help-all", "Exit status:"}) {
            QVERIFY2(outcome.out.contains(line), line);
        }
        QVERIFY(!outcome.out.contains("-platform"));
        QVERIFY(run({"--help-all"}).out.startsWith(outcome.out));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
