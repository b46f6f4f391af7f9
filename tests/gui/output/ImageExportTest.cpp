#include "AppFixture.h"
#include "Application.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignView.h"
#include "DialogService.h"
#include "MainWindow.h"
#include "PrintoutProbe.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtTest>

#include <memory>

using namespace corvane;
using test::CountRedPixels;

class ImageExportTest : public test::AppTestCase {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString path(const QString& name) const { return dir_->filePath(name); }

    void enterSymmetryMode(int sectors) {
        document().setSymmetrySectors(sectors);
        QVERIFY(CountRedPixels(view().lastPaintedImage()) > 0);
    }

    void exportAs(int commandId, const QString& answer) {
        dialogs().fileAnswers.push_back(answer);
        QVERIFY(frame().runCommand(commandId));
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        fixture_.setUp();
    }

    void cleanup() {
        QCOMPARE(fixture_.tearDown(), 0);
        dir_.reset();
    }

    void eachFormatDecodesAtTheClientSize_data() {
        QTest::addColumn<int>("commandId");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("decodedFormat");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("scaleCommand");
        QTest::newRow("jpg") << cmd::SaveJpg << "a.jpg" << QByteArray("jpeg")
                             << "JPEG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||" << cmd::Scale100;
        QTest::newRow("png at 200%")
            << cmd::SavePng << "b.png" << QByteArray("png")
            << "PNG Files (*.png)|*.png|All Files (*.*)|*.*||" << cmd::Scale200;
        QTest::newRow("bmp at 90%")
            << cmd::SaveBmp << "c.bmp" << QByteArray("bmp")
            << "BMP Files (*.bmp)|*.bmp|All Files (*.*)|*.*||" << cmd::Scale90;
    }

    void eachFormatDecodesAtTheClientSize() {
        QFETCH(int, commandId);
        QFETCH(QString, name);
        QFETCH(QByteArray, decodedFormat);
        QFETCH(QString, filter);
        QFETCH(int, scaleCommand);
        QVERIFY(frame().runCommand(scaleCommand));
        exportAs(commandId, path(name));
        QImageReader reader(path(name));
        QCOMPARE(reader.format(), decodedFormat);
        const QImage image = reader.read();
        // The whole bowl at true scale, in a picture at least the view's size,
        // whatever the print scale and however little of it the view shows.
        QVERIFY(image.width() >= view().width() && image.height() >= view().height());
        QVERIFY(qAbs(test::TallestDarkSpanInches(image) * test::kProbeDpi -
                     (model().OD * 96 + 3)) <= 2);
        QVERIFY(!image.hasAlphaChannel());
        QVERIFY(dialogs().messages.isEmpty());
        const FileDialogRequest request = dialogs().fileRequests.constLast();
        QCOMPARE(request.filter, filter);
        QCOMPARE(request.defaultSuffix, QFileInfo(name).suffix());
        QVERIFY(request.forSaving);
    }

    // Zoomed out in the view or not, the file shows the whole design at true
    // scale, the same picture either way, without the sector's outline.
    void theFileShowsTheWholeDesignWithoutTheOutline() {
        enterSymmetryMode(4);
        click(30);
        exportAs(cmd::SavePng, path("sym.png"));
        const QImage saved = QImage(path("sym.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(CountRedPixels(saved), 0);
        QCOMPARE(model().SymmetrySectors, 4);
        QVERIFY(CountRedPixels(view().lastPaintedImage()) > 0);

        QVERIFY(frame().runCommand(cmd::ZoomOut));
        exportAs(cmd::SavePng, path("zoomed.png"));
        QCOMPARE(QImage(path("zoomed.png")).convertToFormat(QImage::Format_RGB32), saved);
    }

    void theSuffixIsAppendedUnlessItMatchesWithoutCase_data() {
        QTest::addColumn<int>("commandId");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("same, other case") << cmd::SaveJpg << "Design.JPG"
                                          << "Design.JPG";
        QTest::newRow("jpeg is not jpg") << cmd::SaveJpg << "Design.jpeg"
                                         << "Design.jpeg.jpg";
        QTest::newRow("other format") << cmd::SaveJpg << "Design.png"
                                      << "Design.png.jpg";
        QTest::newRow("no extension") << cmd::SavePng << "Design"
                                      << "Design.png";
        QTest::newRow("dot in folder") << cmd::SaveBmp << "v1.2/Design"
                                       << "v1.2/Design.bmp";
        QTest::newRow("trailing dot") << cmd::SaveBmp << "Design."
                                      << "Design..bmp";
    }

    void theSuffixIsAppendedUnlessItMatchesWithoutCase() {
        QFETCH(int, commandId);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("v1.2")));
        exportAs(commandId, path(chosen));
        QVERIFY2(QFile::exists(path(written)), qPrintable(written));
        QVERIFY(!QImage(path(written)).isNull());
        if (chosen != written) {
            QVERIFY(!QFile::exists(path(chosen)) || QFileInfo(path(chosen)).isDir());
        }
    }

    void cancelWritesNothingAndBringsTheOutlineBack() {
        enterSymmetryMode(5);
        exportAs(cmd::SaveJpg, QString());
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
        QVERIFY(dialogs().messages.isEmpty());
        QCOMPARE(model().SymmetrySectors, 5);
        QVERIFY(CountRedPixels(view().lastPaintedImage()) > 0);
    }

    void aFailedSaveIsReportedByName() {
        enterSymmetryMode(4);
        QFile blocker(path("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString target = path("not-a-folder/Design.png");
        exportAs(cmd::SavePng, target);
        QCOMPARE(dialogs().messages.size(), 1);
        QVERIFY(dialogs().messages[0].contains(QDir::toNativeSeparators(target)));
        QVERIFY(
            dialogs().messages[0].startsWith(QStringLiteral("Failed to open file for saving.\n")));
        QVERIFY(dialogs().messages[0].contains(QStringLiteral("Not a directory")));
        QCOMPARE(model().SymmetrySectors, 4);
        QVERIFY(CountRedPixels(view().lastPaintedImage()) > 0);
    }

    // The new picture is written beside the old file and replaces it whole;
    // a name at the length limit still leaves room for the one beside it.
    void aNameAtTheLengthLimitIsReplacedWhole() {
        const QString target = path(QString(251, QLatin1Char('d')) + QStringLiteral(".png"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old picture");
        old.close();
        exportAs(cmd::SavePng, target);
        QCOMPARE(dialogs().messages, QStringList());
        QVERIFY(!QImage(target).isNull());
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(target).fileName()});
    }
};

QTEST_MAIN(ImageExportTest)
#include "ImageExportTest.moc"
