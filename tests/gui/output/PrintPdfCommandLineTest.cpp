#include "BowlModel.h"
#include "DesignCsvWriter.h"
#include "PrintoutProbe.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvane;
using test::ExpectedOuterCircleInches;
using test::PdfPageCount;
using test::RenderFirstPdfPage;
using test::TallestDarkSpanInches;

class PrintPdfCommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static int run(const QStringList& arguments, QByteArray* output = nullptr) {
        QProcess process;
        process.start(qEnvironmentVariable("CORVANE_BINARY"), arguments);
        if (!process.waitForFinished(60000)) {
            return -1;
        }
        if (output != nullptr) {
            *output = process.readAllStandardOutput() + process.readAllStandardError();
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QString writeDesign(const QString& name, double id, double od) {
        BowlModel model;
        model.ID = id;
        model.OD = od;
        model.ComputeGeometry(96);
        const std::string bytes = WriteDesignCsv(model, "2024-01-01");
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return {};
        }
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    static void checkOuterCircle(const QString& pdf, double expectedInches) {
        QCOMPARE(PdfPageCount(pdf), 1);
        const double measured = TallestDarkSpanInches(RenderFirstPdfPage(pdf));
        qInfo("outer circle printed %.3f in across, expected %.3f in", measured, expectedInches);
        QVERIFY2(qAbs(measured - expectedInches) < 0.04,
                 qPrintable(QStringLiteral("%1 in").arg(measured)));
    }

private slots:
    void initTestCase() {
        if (!test::HavePdfTools()) {
            QSKIP("pdfinfo and pdftoppm (poppler-utils) are needed to measure the page");
        }
    }

    void theDefaultDesignPrintsAtTrueSize() {
        const QString pdf = dir_.filePath(QStringLiteral("default.pdf"));
        QCOMPARE(run({"--print-pdf", pdf, "--size", "1000x850"}), 0);
        checkOuterCircle(pdf, ExpectedOuterCircleInches(8.1, 1.0));
    }

    void aDesignFileAtTwiceTheScale_data() {
        QTest::addColumn<QString>("scale");
        QTest::newRow("factor") << QStringLiteral("2");
        QTest::newRow("percentage") << QStringLiteral("200%");
    }

    void aDesignFileAtTwiceTheScale() {
        QFETCH(QString, scale);
        const QString design = writeDesign(QStringLiteral("half.csv"), 1.75, 4.05);
        const QString pdf = dir_.filePath(QStringLiteral("half.pdf"));
        QCOMPARE(run({"--print-pdf", pdf, "--scale", scale, "--size", "600x500", design}), 0);
        checkOuterCircle(pdf, ExpectedOuterCircleInches(4.05, 2.0));
    }

    void aFilledDesignFileLoads() {
        const QString pdf = dir_.filePath(QStringLiteral("filled.pdf"));
        QCOMPARE(
            run({"--print-pdf", pdf,
                 QStringLiteral(CORVANE_TEST_DATA) + QStringLiteral("/default-design-filled.csv")}),
            0);
        QCOMPARE(PdfPageCount(pdf), 1);
    }

    void badArgumentsAreRefusedWithAMessage_data() {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("zero scale") << QStringList{"--scale", "0"} << 2 << "--scale";
        QTest::newRow("scale no number") << QStringList{"--scale", "big"} << 2 << "--scale";
        QTest::newRow("scale too large") << QStringList{"--scale", "11"} << 2 << "--scale";
        QTest::newRow("bad size") << QStringList{"--size", "10by10"} << 2 << "--size";
        QTest::newRow("missing design")
            << QStringList{"/nonexistent/design.csv"} << 1 << "Failed to open file for loading.";
        QTest::newRow("two designs") << QStringList{"a.csv", "b.csv"} << 2 << "at most one";
        QTest::newRow("size beyond the cap")
            << QStringList{"--size", "16384x16384"} << 2 << "256 million pixels";
    }

    void badArgumentsAreRefusedWithAMessage() {
        QFETCH(QStringList, extra);
        QFETCH(int, exitCode);
        QFETCH(QString, complaint);
        const QString pdf = dir_.filePath(QStringLiteral("refused.pdf"));
        QByteArray output;
        QCOMPARE(run(QStringList{"--print-pdf", pdf} + extra, &output), exitCode);
        QVERIFY2(output.contains(complaint.toUtf8()), output.constData());
        QVERIFY(!QFile::exists(pdf));
    }

    void aDesignThatCannotBeUsedIsRefused() {
        const QString design = writeDesign(QStringLiteral("nan.csv"), 3.5, 8.1);
        QFile file(design);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("ID,nan\r\nOD,nan\r\n");
        file.close();
        QByteArray output;
        QCOMPARE(run({"--print-pdf", dir_.filePath(QStringLiteral("x.pdf")), design}, &output), 1);
        QVERIFY2(output.contains("Error loading file: "), output.constData());
    }

    void anUnwritableOutputIsReported() {
        QByteArray output;
        QCOMPARE(run({"--print-pdf", "/nonexistent-dir/out.pdf"}, &output), 1);
        QVERIFY2(output.contains("/nonexistent-dir/out.pdf"), output.constData());
    }

    void helpListsTheOption() {
        QByteArray output;
        QCOMPARE(run({"--help"}, &output), 0);
        QVERIFY(output.contains("--print-pdf"));
        QVERIFY(output.contains("--scale"));
    }
};

QTEST_GUILESS_MAIN(PrintPdfCommandLineTest)
#include "PrintPdfCommandLineTest.moc"
