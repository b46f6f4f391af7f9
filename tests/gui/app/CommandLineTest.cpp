#include "ViewProbe.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using corvane::kBlackColor;
using corvane::kBlankColor;
using corvane::test::HasDarkPixel;
using corvane::test::ShownColor;

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static QString binary() { return qEnvironmentVariable("CORVANE_BINARY"); }

    static int run(const QStringList& arguments, QByteArray* output = nullptr) {
        QProcess process;
        process.start(binary(), arguments);
        if (!process.waitForFinished(60000)) {
            return -1;
        }
        if (output != nullptr) {
            *output = process.readAllStandardOutput() + process.readAllStandardError();
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    void exportImageRendersTheDefaultDesign() {
        const QString path = dir_.filePath("out.png");
        QCOMPARE(run({"--export-image", path, "--size", "1000x700"}), 0);
        QImage image(path);
        QCOMPARE(image.size(), QSize(1000, 700));
        QCOMPARE(ShownColor(image, {500 + 168, 350}), kBlackColor);
        QCOMPARE(ShownColor(image, {500 + 388, 350}), kBlackColor);
        QCOMPARE(ShownColor(image, {500 + 180, 350 + 23}), kBlankColor);
        QVERIFY(HasDarkPixel(image, QRect(10, 0, 30, 20)));
    }

    void exportImageFormatsFollowTheExtension() {
        for (const QString& name : {QStringLiteral("a.jpg"), QStringLiteral("b.BMP")}) {
            const QString path = dir_.filePath(name);
            QCOMPARE(run({"--export-image", path, "--size", "320x200"}), 0);
            QCOMPARE(QImage(path).size(), QSize(320, 200));
        }
    }

    void badArgumentsAreRefusedWithAMessage() {
        QByteArray output;
        QCOMPARE(run({"--export-image", dir_.filePath("x.png"), "--size", "0x5"}, &output), 2);
        QVERIFY(output.contains("--size"));
        QCOMPARE(run({"--export-image", dir_.filePath("x.gif")}, &output), 2);
        QVERIFY(output.contains("image format"));
        QVERIFY(run({"--export-image", "/nonexistent-dir/x.png"}, &output) == 1);
        QVERIFY(output.contains("Failed to open file for saving."));
        QVERIFY(output.contains("/nonexistent-dir/x.png"));
    }

    void helpAndVersion() {
        QByteArray output;
        QCOMPARE(run({"--version"}, &output), 0);
        QVERIFY(output.contains("1.0"));
        QCOMPARE(run({"--help"}, &output), 0);
        QVERIFY(output.contains("--export-image"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
