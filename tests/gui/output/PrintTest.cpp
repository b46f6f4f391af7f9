#include "AppFixture.h"
#include "Application.h"
#include "BowlModel.h"
#include "BoxParameters.h"
#include "CommandIds.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "PrintoutProbe.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

#include <memory>

using namespace corvane;
using test::CountRedPixels;
using test::ExpectedOuterCircleInches;
using test::PdfPageCount;
using test::RenderFirstPdfPage;
using test::TallestDarkSpanInches;

namespace {

constexpr double kSizeTolerance = 0.04;  // inches: 4 pixels of the rendered page

// What the print dialog saw when it was asked.
struct DialogSight {
    int symmetrySectors = -1;
    int resolution = 0;
    QString docName;
};

void printToFile(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

QStringList pdfFilesIn(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

// A job's PDF is complete once pdfinfo can read it.
QString waitForNewPdf(const QString& dir, const QStringList& before) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000) {
        for (const QString& name : pdfFilesIn(dir)) {
            const QString path = QDir(dir).filePath(name);
            if (!before.contains(name) && PdfPageCount(path) > 0) {
                return path;
            }
        }
        QTest::qWait(250);
    }
    return {};
}

}  // namespace

class PrintTest : public test::AppTestCase {
    Q_OBJECT

    DialogSight sight_;

    void enterSymmetryMode(int sectors) {
        document().setSymmetrySectors(sectors);
        QVERIFY(CountRedPixels(view().lastPaintedImage()) > 0);
    }

    void useDiameters(double id, double od) {
        editParameters([&](BoxParameters& p) {
            p.BoxID = id;
            p.BoxOD = od;
        });
    }

    // Answers the print dialog with OK after choosing, and notes what it saw.
    void answerPrintDialog(bool ok, std::function<void(QPrinter&)> choose) {
        dialogs().printerAnswers.push_back(ok);
        dialogs().printerChoice = [this, choose](QPrinter& printer) {
            sight_ = {model().SymmetrySectors, printer.resolution(), printer.docName()};
            if (choose) {
                choose(printer);
            }
        };
    }

    QString printToPdf(const QString& name) {
        const QString path = environment_.tempPath(name);
        answerPrintDialog(true, [path](QPrinter& printer) { printToFile(printer, path); });
        frame().runCommand(cmd::Print);
        return path;
    }

    void checkOnePageWithOuterCircle(const QString& pdf, double expectedInches) {
        QCOMPARE(PdfPageCount(pdf), 1);
        const QImage page = RenderFirstPdfPage(pdf);
        QVERIFY(!page.isNull());
        const double measured = TallestDarkSpanInches(page);
        qInfo("outer circle printed %.3f in across, expected %.3f in", measured, expectedInches);
        QVERIFY2(qAbs(measured - expectedInches) < kSizeTolerance,
                 qPrintable(QStringLiteral("%1 in").arg(measured)));
        QCOMPARE(CountRedPixels(page), 0);
    }

    // The queue that scripts/start-cups.sh set up; QSKIP or QFAIL when absent.
    bool spoolerAvailable(QString* queue, QString* outputDir) {
        *queue = qEnvironmentVariable("CORVANE_CUPS_QUEUE");
        *outputDir = qEnvironmentVariable("CORVANE_CUPS_PDF_DIR");
        return !queue->isEmpty() && !outputDir->isEmpty() && QDir(*outputDir).exists() &&
               !QPrinterInfo::printerInfo(*queue).isNull();
    }

    QString printThroughSpooler(const QString& queue, const QString& outputDir) {
        const QStringList before = pdfFilesIn(outputDir);
        answerPrintDialog(true, [queue](QPrinter& printer) { printer.setPrinterName(queue); });
        frame().runCommand(cmd::Print);
        if (!dialogs().messages.isEmpty()) {
            return {};
        }
        return waitForNewPdf(outputDir, before);
    }

private slots:
    void init() {
        fixture_.setUp(QSize(1100, 950));
        QVERIFY(view().height() > 800);
        sight_ = {};
    }

    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    void scaleCommandsStoreTheFactorOnly_data() {
        QTest::addColumn<int>("commandId");
        QTest::addColumn<double>("scale");
        QTest::newRow("90%") << cmd::Scale90 << 0.9;
        QTest::newRow("95%") << cmd::Scale95 << 0.95;
        QTest::newRow("105% (32815)") << 32815 << 1.05;
        QTest::newRow("110% (32814)") << 32814 << 1.1;
        QTest::newRow("150%") << cmd::Scale150 << 1.5;
        QTest::newRow("200%") << cmd::Scale200 << 2.0;
        QTest::newRow("100%") << cmd::Scale100 << 1.0;
    }

    void scaleCommandsStoreTheFactorOnly() {
        QFETCH(int, commandId);
        QFETCH(double, scale);
        QVERIFY(frame().runCommand(cmd::Scale150));
        QVERIFY(frame().runCommand(commandId));
        QCOMPARE(model().PrintScale, scale);
        QCOMPARE(dialogs().printerRequests, 0);
        QVERIFY(dialogs().messages.isEmpty());
        QVERIFY(!frame().menuAction(commandId)->isChecked());
    }

    // Printing asks the renderer for a picture without the outline; the
    // design stays in symmetry mode all the while.
    void cancelPrintsNothingAndLeavesSymmetryModeAlone() {
        enterSymmetryMode(4);
        answerPrintDialog(false, nullptr);
        QVERIFY(frame().runCommand(cmd::Print));
        QCOMPARE(dialogs().printerRequests, 1);
        QCOMPARE(sight_.symmetrySectors, 4);
        QCOMPARE(sight_.resolution, 600);
        QCOMPARE(sight_.docName, QStringLiteral("Corvane Print"));
        QVERIFY(dialogs().messages.isEmpty());
        QCOMPARE(model().SymmetrySectors, 4);
        QVERIFY(CountRedPixels(view().lastPaintedImage()) > 0);
    }

    // A PDF file is saved like any other file, and its failure reported so.
    void aPdfFileThatCannotBeWrittenIsReported() {
        enterSymmetryMode(6);
        const QString pdf = printToPdf(QStringLiteral("no-such-dir/out.pdf"));
        QCOMPARE(dialogs().messages.size(), 1);
        QVERIFY(dialogs().messages[0].startsWith("Failed to open file for saving.\n"));
        QVERIFY(dialogs().messages[0].contains("No such file or directory"));
        QVERIFY(dialogs().messages[0].contains(pdf));
        QCOMPARE(model().SymmetrySectors, 6);
        QVERIFY(CountRedPixels(view().lastPaintedImage()) > 0);
    }

    void printsOnePageAtTrueSizeWithoutTheOutline() {
        if (!test::HavePdfTools()) {
            QSKIP("pdfinfo and pdftoppm (poppler-utils) are needed to measure the page");
        }
        enterSymmetryMode(4);
        const QString pdf = printToPdf(QStringLiteral("page.pdf"));
        QVERIFY(dialogs().messages.isEmpty());
        checkOnePageWithOuterCircle(pdf, ExpectedOuterCircleInches(8.1, 1.0));
        QCOMPARE(model().SymmetrySectors, 4);
        QVERIFY(CountRedPixels(view().lastPaintedImage()) > 0);
    }

    // The printout draws the design, not the screen: a window smaller than
    // the bowl, zoomed in, still prints the whole bowl at true size, as
    // paths and text without any picture in the file.
    void aSmallZoomedWindowPrintsTheWholeBowlAsVectors() {
        if (!test::HavePdfTools()) {
            QSKIP("pdfinfo and pdftoppm (poppler-utils) are needed to measure the page");
        }
        frame().resize(500, 400);
        QVERIFY(frame().runCommand(cmd::ZoomIn));
        QVERIFY(frame().runCommand(cmd::ZoomIn));
        const QString pdf = printToPdf(QStringLiteral("small.pdf"));
        QVERIFY(dialogs().messages.isEmpty());
        checkOnePageWithOuterCircle(pdf, ExpectedOuterCircleInches(8.1, 1.0));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.contains("/Subtype /Image"));
        QVERIFY(bytes.contains("/Font"));
    }

    // Half the diameter at twice the scale prints as large as the default
    // design at 100 %, which is about 8.09 inches (8.1 x 0.9984).
    void twiceTheScalePrintsTwiceAsLarge() {
        if (!test::HavePdfTools()) {
            QSKIP("pdfinfo and pdftoppm (poppler-utils) are needed to measure the page");
        }
        useDiameters(1.75, 4.05);
        QVERIFY(frame().runCommand(cmd::Scale200));
        const QString pdf = printToPdf(QStringLiteral("double.pdf"));
        QVERIFY(dialogs().messages.isEmpty());
        checkOnePageWithOuterCircle(pdf, ExpectedOuterCircleInches(4.05, 2.0));
        QVERIFY(qAbs(TallestDarkSpanInches(RenderFirstPdfPage(pdf)) - 8.1 * 0.9984) < 0.1);
    }

    // The real print path through the system's spooler: the job goes to a
    // CUPS queue that writes PDFs (scripts/start-cups.sh sets it up).
    void printsThroughTheSpooler() {
        QString queue;
        QString outputDir;
        if (!spoolerAvailable(&queue, &outputDir) || !test::HavePdfTools()) {
            if (qEnvironmentVariable("CI") == QLatin1String("true")) {
                QFAIL("no CUPS PDF queue: scripts/start-cups.sh must run before the tests in CI");
            }
            QSKIP(
                "no CUPS PDF queue (run scripts/start-cups.sh and export CORVANE_CUPS_QUEUE "
                "and CORVANE_CUPS_PDF_DIR)");
        }
        enterSymmetryMode(3);
        const QString full = printThroughSpooler(queue, outputDir);
        QVERIFY2(!full.isEmpty(), qPrintable(dialogs().messages.join(QLatin1Char('\n'))));
        checkOnePageWithOuterCircle(full, ExpectedOuterCircleInches(8.1, 1.0));
        QCOMPARE(model().SymmetrySectors, 3);
        QFile::remove(full);

        useDiameters(1.75, 4.05);
        QVERIFY(frame().runCommand(cmd::Scale200));
        const QString doubled = printThroughSpooler(queue, outputDir);
        QVERIFY2(!doubled.isEmpty(), qPrintable(dialogs().messages.join(QLatin1Char('\n'))));
        checkOnePageWithOuterCircle(doubled, ExpectedOuterCircleInches(4.05, 2.0));
        QFile::remove(doubled);
    }
};

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
