#include "AppFixture.h"
#include "Application.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignCsvWriter.h"
#include "DesignFileCommands.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "StatusPane.h"
#include "SymmetryDialog.h"
#include "SymmetryErrorDialog.h"
#include "TestEnvironment.h"
#include "ViewProbe.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <vector>

using namespace corvane;
using test::ClickView;
using test::SegmentPoint;

namespace {

int RedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += (c.red() > 200 && c.green() < 60 && c.blue() < 60) ? 1 : 0;
        }
    }
    return count;
}

std::vector<int> HistoryIndices(const BowlModel& model) {
    std::vector<int> indices;
    for (const FillHistoryEntry& entry : model.FillHistory) {
        indices.push_back(entry.SegmentIndex);
    }
    return indices;
}

}  // namespace

class SymmetryTest : public test::AppTestCase {
    Q_OBJECT

    void checkSectorDialogOpening(SymmetryDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Symmetry Mode"));
        QCOMPARE(dialog.sectorField()->text(), QStringLiteral("0"));
        QCOMPARE(dialog.focusWidget(), dialog.sectorField());
        QCOMPARE(dialog.pos(), frame().frameGeometry().topLeft() + QPoint(10, 70));
    }

    // Types a sector count and presses OK.
    void answerSectors(const QString& text) {
        dialogs().dialogAnswers.push_back([this, text](QDialog& dialog) {
            auto& request = dynamic_cast<SymmetryDialog&>(dialog);
            checkSectorDialogOpening(request);
            request.show();
            request.sectorField()->selectAll();
            QTest::keyClicks(request.sectorField(), text);
            QTest::mouseClick(request.okButton(), Qt::LeftButton);
            return request.result();
        });
    }

    void answerSectorsWithCancel() {
        dialogs().dialogAnswers.push_back([this](QDialog& dialog) {
            auto& request = dynamic_cast<SymmetryDialog&>(dialog);
            checkSectorDialogOpening(request);
            request.show();
            QTest::keyClick(&request, Qt::Key_Escape);
            return request.result();
        });
    }

    void checkErrorDialog(SymmetryErrorDialog& error) {
        QCOMPARE(error.windowTitle(), QStringLiteral("Error"));
        QCOMPARE(
            error.findChild<QLabel*>()->text(),
            QStringLiteral("That is not an integer factor of the number of segments.Try again."));
        QCOMPARE(error.pos(), frame().frameGeometry().topLeft() + QPoint(20, 80));
    }

    // Enter presses "Try Again", the default button.
    void answerError(bool tryAgain) {
        dialogs().dialogAnswers.push_back([this, tryAgain](QDialog& dialog) {
            auto& error = dynamic_cast<SymmetryErrorDialog&>(dialog);
            checkErrorDialog(error);
            error.show();
            QTest::keyClick(&error, tryAgain ? Qt::Key_Return : Qt::Key_Escape);
            return error.result();
        });
    }

    void checkRefusedText(SymmetryDialog& request, const QString& text) {
        QCOMPARE(dialogs().messages, QStringList{"Enter an integer."});
        QVERIFY(request.isVisible());
        QCOMPARE(request.focusWidget(), request.sectorField());
        QCOMPARE(request.sectorField()->selectedText(), text);
    }

    void enter() { QVERIFY(frame().runCommand(cmd::EnterSymmetryMode)); }

private slots:
    void init() { fixture_.setUp(); }

    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    void refusedCountsAskAgainFromZero_data() {
        QTest::addColumn<QString>("typed");
        for (const char* typed : {"0", "1", "24", "5", "-4", "48", "7abc"}) {
            QTest::newRow(typed) << QString::fromLatin1(typed);
        }
    }

    void refusedCountsAskAgainFromZero() {
        QFETCH(QString, typed);
        answerSectors(typed);
        answerError(true);
        answerSectors(typed);
        answerError(false);
        enter();
        QCOMPARE(dialogs().dialogTitles,
                 (QStringList{"Symmetry Mode", "Error", "Symmetry Mode", "Error"}));
        QCOMPARE(model().SymmetrySectors, 0);
        QVERIFY(dialogs().messages.isEmpty());
    }

    void cancelInEitherDialogKeepsTheCurrentCount() {
        answerSectors("4");
        enter();
        QCOMPARE(model().SymmetrySectors, 4);

        answerSectorsWithCancel();
        enter();
        QCOMPARE(model().SymmetrySectors, 4);

        answerSectors("5");
        answerError(false);
        enter();
        QCOMPARE(model().SymmetrySectors, 4);

        // A refusal followed by an accepted count replaces the old count.
        answerSectors("7");
        answerError(true);
        answerSectors("12");
        enter();
        QCOMPARE(model().SymmetrySectors, 12);
    }

    void textWithoutANumberKeepsTheDialogOpen() {
        dialogs().dialogAnswers.push_back([this](QDialog& dialog) {
            auto& request = dynamic_cast<SymmetryDialog&>(dialog);
            request.show();
            QLineEdit* field = request.sectorField();
            field->selectAll();
            QTest::keyClicks(field, "six");
            QTest::mouseClick(request.okButton(), Qt::LeftButton);
            checkRefusedText(request, "six");
            QTest::keyClicks(field, " 6 sectors");
            QTest::keyClick(field, Qt::Key_Return);
            return request.result();
        });
        enter();
        QCOMPARE(model().SymmetrySectors, 6);
    }

    // Four sectors of 24 segments: the active sector runs from 225 to 315
    // degrees, and a click on position 17 of row 3 fills its counterparts
    // 6, 12 and 18 positions on, wrapping past the end of the row.
    void fourSectorsOutlineAndSymmetricFill() {
        QCOMPARE(RedPixels(view().lastPaintedImage()), 0);
        answerSectors("4");
        enter();
        QVERIFY(RedPixels(view().lastPaintedImage()) > 500);
        QCOMPARE(view().layout().Sector.SectorStartAngle, 225.0f);

        ClickView(view(), SegmentPoint(model(), view().layout(), 65));
        QCOMPARE(HistoryIndices(model()), (std::vector<int>{65, 71, 53, 59}));
        for (int k : {71, 53, 59}) {
            QCOMPARE(model().SegmentTable[k].SegmentColorName, std::string("Walnut"));
        }
        QCOMPARE(model().RowTallies.at(3).at("Walnut"), 4);

        ClickView(view(),
                  SegmentPoint(model(), view().layout(), 63));  // position 15: outside the sector
        QCOMPARE(model().FillHistory.size(), size_t(5));

        QVERIFY(frame().runCommand(cmd::ExitSymmetryMode));
        QCOMPARE(model().SymmetrySectors, 0);
        QCOMPARE(RedPixels(view().lastPaintedImage()), 0);
        QCOMPARE(model().SegmentTable[71].SegmentColorName, std::string("Walnut"));

        ClickView(view(), SegmentPoint(model(), view().layout(), 66));  // a plain fill again
        QCOMPARE(model().FillHistory.size(), size_t(6));
        QVERIFY(frame().runCommand(cmd::ExitSymmetryMode));  // already off
        QCOMPARE(model().SymmetrySectors, 0);
    }

    // Opening a design whose segments the sectors do not split ends the
    // mode too; the opened design's tallies are counted before it shows.
    void openingADesignThatDoesNotFitEndsTheMode() {
        answerSectors("4");
        enter();
        BowlModel other;
        other.Segments = 10;
        other.ComputeGeometry(96);
        other.FillSegment(12);
        const QString path = tempPath("ten.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(WriteDesignCsv(other, "2026-12-08")));
        file.close();
        QVERIFY(frame().designFiles().openPath(path, false));
        QCOMPARE(model().SymmetrySectors, 0);
        QVERIFY(StatusPane::text().startsWith("Symmetry Mode ended: 10 segments"));
        QCOMPARE(model().RowTallies.at(2), (ColorCounts{{"Walnut", 1}, {"blank", 9}}));
        QCOMPARE(RedPixels(view().lastPaintedImage()), 0);
    }
};

QTEST_MAIN(SymmetryTest)
#include "SymmetryTest.moc"
