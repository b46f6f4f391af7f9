#include "AppFixture.h"
#include "Application.h"
#include "BowlModel.h"
#include "BoxParameters.h"
#include "CommandIds.h"
#include "CutList.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "ParametersBox.h"
#include "StatusPane.h"
#include "TestEnvironment.h"
#include "ViewProbe.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace corvane;
using test::ClickView;
using test::SegmentPoint;
using test::ShownColor;

namespace {

constexpr Argb kWalnutColor = 0xFF8B4513u;

bool ShowsRedIn(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
                return true;
            }
        }
    }
    return false;
}

bool ShowsRed(QWidget& widget) {
    return ShowsRedIn(widget.grab().toImage());
}

}  // namespace

class ParametersBoxTest : public test::AppTestCase {
    Q_OBJECT

    QStringList& messages() { return dialogs().messages; }

    // Opens the box through its command and lets the script work on it while
    // it is on the screen; returns the box's result.
    int runBox(const std::function<void(ParametersBox&)>& script) {
        int result = -1;
        dialogs().dialogAnswers.push_back([&](QDialog& dialog) {
            auto& box = dynamic_cast<ParametersBox&>(dialog);
            box.show();
            if (QTest::qWaitForWindowExposed(&box)) {
                script(box);
            }
            result = box.result();
            return result;
        });
        frame().runCommand(cmd::ShowParametersBox);
        return result;
    }

    // Replaces the text of a field by typing it, as a user who selected it all.
    static void retype(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    // The tallies (the tally column's lines) and the cut list both agree
    // with a count made from the live records.
    void checkTalliesMatchTheRecords() {
        RowTallyMap counted;
        for (int k = 0; k <= model().LastLiveIndex(); ++k) {
            const SegmentProp& segment = model().SegmentTable[k];
            ++counted[segment.SegmentRow][segment.SegmentColorName];
        }
        QCOMPARE(model().RowTallies, counted);
        const CutList cutList = ComputeCutList(model(), kDefaultKerfInches);
        QCOMPARE(int(cutList.rows.size()), model().Rows);
        int pieces = 0;
        for (const CutListRow& row : cutList.rows) {
            int inRow = 0;
            for (const WoodCount& wood : row.woods) {
                inRow += wood.count;
            }
            QCOMPARE(inRow, model().Segments);
            pieces += inRow;
        }
        QCOMPARE(pieces, model().Rows * model().Segments);
    }

    // Replaces the text in one edit, as a paste does. Typed one key at a
    // time, "-5" would stop at the lone sign, which is no number.
    static void paste(QLineEdit* field, const QString& text) {
        field->selectAll();
        field->insert(text);
    }

private slots:
    void init() {
        BoxParameters::instance() = BoxParameters();
        fixture_.setUp();
    }

    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    void opensWithTheLiveValuesInTemplateOrder() {
        editParameters([&](BoxParameters& p) {
            p.BoxID = 1.0 / 3.0;  // as a design file may leave it
            p.BoxOD = 12.0;
            p.BoxRows = 5;
        });
        runBox([this](ParametersBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("Parameters Box"));
            QCOMPARE(box.field(BoxField::ID)->text(), QStringLiteral("0.333333333333333"));
            QCOMPARE(box.field(BoxField::OD)->text(), QStringLiteral("12"));
            QCOMPARE(box.field(BoxField::Rows)->text(), QStringLiteral("5"));
            QCOMPARE(box.field(BoxField::Segments)->text(), QStringLiteral("24"));
            QCOMPARE(box.field(BoxField::FontSize)->text(), QStringLiteral("12"));
            QVERIFY(box.limitLine()->text().isEmpty());

            const QList<QWidget*> tabOrder = {box.okButton(),
                                              box.cancelButton(),
                                              box.field(BoxField::ID),
                                              box.field(BoxField::OD),
                                              box.field(BoxField::Segments),
                                              box.field(BoxField::Rows),
                                              box.field(BoxField::FontSize)};
            for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i) {
                QCOMPARE(tabOrder[i]->nextInFocusChain(), tabOrder[i + 1]);
            }
            QCOMPARE(box.focusWidget(), box.okButton());
            QVERIFY(box.field(BoxField::Rows)->y() < box.field(BoxField::Segments)->y());
            QVERIFY(box.okButton()->x() > box.field(BoxField::ID)->x());

            const int menuBarHeight = frame().menuBar()->sizeHint().height();
            QCOMPARE(box.pos(), frame().frameGeometry().topLeft() + QPoint(10, 45 + menuBarHeight));
            QTest::keyClick(&box, Qt::Key_Return);
        });
        // OK takes the value as the field shows it, and the drawing follows.
        QCOMPARE(model().ID, 0.333333333333333);
        QCOMPARE(model().SegmentTable[0].OuterRadius, 0.333333333333333 * 0.5 * 96);
        QVERIFY(messages().isEmpty());
    }

    void enterRightAfterOpeningChangesNothing() {
        document().fill(30, {});
        const BowlModel before = model();
        const QImage shown = view().lastPaintedImage();
        const int result = runBox([](ParametersBox& box) {
            QTest::keyClick(&box, Qt::Key_Return);
            QVERIFY(!box.isVisible());
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(model().ID, before.ID);
        QCOMPARE(model().OD, before.OD);
        QCOMPARE(model().Rows, before.Rows);
        QCOMPARE(model().Segments, before.Segments);
        QCOMPARE(model().FontSize, before.FontSize);
        QVERIFY(model().SegmentTable == before.SegmentTable);
        QVERIFY(model().FillHistory == before.FillHistory);
        QCOMPARE(view().lastPaintedImage(), shown);
        QVERIFY(messages().isEmpty());
    }

    // Typing 100 rows passes 1 and 10 on the way; 100 rows of 24 segments do
    // not fit the table, so the drawing stays at 10 rows and the box says why.
    void everyKeystrokeReachesTheDrawingWithinTheLimits() {
        runBox([this](ParametersBox& box) {
            QLineEdit* rows = box.field(BoxField::Rows);
            rows->selectAll();
            QTest::keyClick(rows, Qt::Key_1);
            QCOMPARE(model().Rows, 1);
            QCOMPARE(model().SegmentTable[24].OuterRadius, 8.1 * 0.5 * 96);
            QTest::keyClick(rows, Qt::Key_0);
            QCOMPARE(model().Rows, 10);
            const QImage tenRows = view().lastPaintedImage();

            QTest::keyClick(rows, Qt::Key_0);
            QCOMPARE(model().Rows, 10);
            QCOMPARE(view().lastPaintedImage(), tenRows);
            QCOMPARE(BoxParameters::instance().BoxRows, 100);
            const QString limit =
                "Rows x Segments must be at most 2047 (the segment table holds 2048 records).";
            QCOMPARE(box.limitLine()->text(), limit);
            QCOMPARE(rows->toolTip(), limit);
            QCOMPARE(box.field(BoxField::Segments)->toolTip(), limit);
            QVERIFY(ShowsRed(*rows));
            QVERIFY(!ShowsRed(*box.field(BoxField::ID)));
            QVERIFY(messages().isEmpty());

            QTest::keyClick(rows, Qt::Key_Backspace);
            QCOMPARE(model().Rows, 10);
            QVERIFY(box.limitLine()->text().isEmpty());
            QVERIFY(rows->toolTip().isEmpty());
            QVERIFY(!ShowsRed(*rows));

            // Cancel does not bring back the rows in force at opening.
            QTest::mouseClick(box.cancelButton(), Qt::LeftButton);
        });
        QCOMPARE(model().Rows, 10);
        QCOMPARE(BoxParameters::instance().BoxRows, 10);
    }

    void outOfLimitValuesAreRefusedAsAWhole_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("pasted");
        const auto row = [](const char* name, BoxField which, const char* text, const char* limit,
                            bool pasted = false) {
            QTest::newRow(name) << static_cast<int>(which) << QString::fromLatin1(text)
                                << QString::fromLatin1(limit) << pasted;
        };
        row("no rows", BoxField::Rows, "0", "Rows must be at least 1.");
        row("negative rows", BoxField::Rows, "-5", "Rows must be at least 1.", true);
        row("no segments", BoxField::Segments, "0", "Segments per Row must be at least 1.");
        row("ID above OD", BoxField::ID, "9", "ID must be smaller than OD.");
        row("OD below ID", BoxField::OD, "3.5", "ID must be smaller than OD.");
        row("negative ID", BoxField::ID, "-1", "ID must not be negative.", true);
        row("huge OD", BoxField::OD, "1e9", "OD must be a number between -10000 and 10000 inches.");
        row("infinite OD", BoxField::OD, "inf",
            "OD must be a number between -10000 and 10000 inches.", true);
        row("tiny font", BoxField::FontSize, "0", "Font Size must be between 1 and 144.");
        row("huge font", BoxField::FontSize, "200", "Font Size must be between 1 and 144.", true);
    }

    void outOfLimitValuesAreRefusedAsAWhole() {
        QFETCH(int, which);
        QFETCH(QString, text);
        QFETCH(QString, limit);
        QFETCH(bool, pasted);
        const BowlModel before = model();
        runBox([&](ParametersBox& box) {
            QLineEdit* field = box.field(static_cast<BoxField>(which));
            pasted ? paste(field, text) : retype(field, text);
            QCOMPARE(box.limitLine()->text(), limit);
            QVERIFY(ShowsRed(*field));
            QVERIFY(messages().isEmpty());

            // OK names the limit once and keeps the box open on the field.
            QTest::mouseClick(box.okButton(), Qt::LeftButton);
            QCOMPARE(messages(), QStringList{limit});
            QVERIFY(box.isVisible());
            QCOMPARE(box.focusWidget(), field);
            QCOMPARE(field->selectedText(), field->text());
            box.reject();
        });
        QCOMPARE(model().ID, before.ID);
        QCOMPARE(model().OD, before.OD);
        QCOMPARE(model().Rows, before.Rows);
        QCOMPARE(model().Segments, before.Segments);
        QCOMPARE(model().FontSize, before.FontSize);
    }

    void numbersAreReadFromTheStartOfTheText() {
        runBox([this](ParametersBox& box) {
            QLineEdit* id = box.field(BoxField::ID);
            retype(id, "3.5abc");
            QCOMPARE(model().ID, 3.5);
            retype(id, "2.75 in");
            QCOMPARE(model().ID, 2.75);
            QVERIFY(messages().isEmpty());
            box.reject();
        });
    }

    // Typing passes through texts that are no number yet; they are marked
    // in the box, nothing is applied, and no message takes the focus away
    // (which selected the text, so ".5" used to become 5).
    void typingNeverManglesAValue_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("halfway");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<double>("applied");
        const auto row = [](const char* name, BoxField which, const char* typed,
                            const char* halfway, const char* mark, double applied) {
            QTest::newRow(name) << static_cast<int>(which) << QString::fromLatin1(typed)
                                << QString::fromLatin1(halfway) << QString::fromLatin1(mark)
                                << applied;
        };
        row("leading point", BoxField::ID, ".5", ".", "Enter a number.", 0.5);
        row("minus then digit", BoxField::FontSize, "-2", "-", "Enter an integer.", 12.0);
        row("exponent", BoxField::OD, "1e1", "1e", "", 10.0);
        row("sign of rows", BoxField::Rows, "+9", "+", "Enter an integer.", 9.0);
        // Diameters take fractions; a mistyped one keeps what came before it.
        row("mixed fraction", BoxField::OD, "9 1/2", "9 1/", "", 9.5);
        row("hyphenated fraction", BoxField::ID, "2-3/4", "2-3/", "", 2.75);
        row("fraction alone", BoxField::ID, "3/4", "3/", "", 0.75);
        row("negative inside", BoxField::OD, "9 -1/2", "9 -1/2", "Enter a number.", 9.0);
        row("zero denominator", BoxField::OD, "9 1/0", "9 1/0", "Enter a number.", 9.0);
        row("two slashes", BoxField::ID, "1/2/3", "1/2/3", "Enter a number.", 0.5);
    }

    void typingNeverManglesAValue() {
        QFETCH(int, which);
        QFETCH(QString, typed);
        QFETCH(QString, halfway);
        QFETCH(QString, mark);
        QFETCH(double, applied);
        runBox([&](ParametersBox& box) {
            QLineEdit* field = box.field(static_cast<BoxField>(which));
            field->selectAll();
            for (const QChar key : typed) {
                QTest::keyClicks(field, QString(key));
                if (field->text() == halfway && !mark.isEmpty()) {
                    QCOMPARE(box.limitLine()->text(), mark);
                    QVERIFY(ShowsRed(*field));
                }
            }
            QCOMPARE(field->text(), typed);
            QVERIFY(messages().isEmpty());
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        const BowlModel& m = model();
        const double values[] = {m.ID, m.OD, double(m.Rows), double(m.Segments),
                                 double(m.FontSize)};
        QCOMPARE(values[which], applied);
    }

    // An emptied field keeps its value; the others still take effect. Only
    // OK answers with the message and sends the focus back to the field.
    void anEmptiedFieldHoldsBackOnlyItselfUntilOk() {
        runBox([this](ParametersBox& box) {
            QLineEdit* id = box.field(BoxField::ID);
            id->selectAll();
            QTest::keyClick(id, Qt::Key_Backspace);
            QCOMPARE(box.limitLine()->text(), QStringLiteral("Enter a number."));
            QCOMPARE(id->toolTip(), QStringLiteral("Enter a number."));
            retype(box.field(BoxField::Rows), "6");
            QCOMPARE(model().Rows, 6);
            QCOMPARE(model().ID, 3.5);
            QCOMPARE(box.limitLine()->text(), QStringLiteral("Enter a number."));
            QVERIFY(messages().isEmpty());

            QTest::mouseClick(box.okButton(), Qt::LeftButton);
            QCOMPARE(messages(), QStringList{"Enter a number."});
            QVERIFY(box.isVisible());
            QCOMPARE(box.focusWidget(), id);
            QTest::keyClicks(id, "2");
            QCOMPARE(model().ID, 2.0);
            QVERIFY(box.limitLine()->text().isEmpty());
            QTest::mouseClick(box.okButton(), Qt::LeftButton);
        });
        QCOMPARE(model().ID, 2.0);
        QCOMPARE(model().Rows, 6);
    }

    // Colours stay in their record slots, so a layout change moves the fills
    // around and changing back puts them where they were.
    void segmentsChangedAndBackBringTheFillsBack() {
        const int k = 2 * 24 + 17;  // row 3, position 17
        const QPoint where = SegmentPoint(model(), view().layout(), k);
        ClickView(view(), where);
        QCOMPARE(ShownColor(view().lastPaintedImage(), where), kWalnutColor);
        runBox([&](ParametersBox& box) {
            QLineEdit* segments = box.field(BoxField::Segments);
            retype(segments, "12");
            QCOMPARE(model().Segments, 12);
            QCOMPARE(model().SegmentTable[k].SegmentRow, 6);
            QCOMPARE(
                ShownColor(view().lastPaintedImage(), SegmentPoint(model(), view().layout(), k)),
                kWalnutColor);
            QVERIFY(ShownColor(view().lastPaintedImage(), where) != kWalnutColor);
            retype(segments, "24");
            QCOMPARE(ShownColor(view().lastPaintedImage(), where), kWalnutColor);
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        QCOMPARE(model().Segments, 24);
        QCOMPARE(model().FillHistory.size(), size_t(1));
    }

    // The box copies keep the last reading after the box closes, but every
    // opening starts again from the live design.
    void boxCopiesOutliveTheBoxAndOpeningReloadsThem() {
        runBox([](ParametersBox& box) {
            retype(box.field(BoxField::Segments), "300");
            box.reject();
        });
        QCOMPARE(BoxParameters::instance().BoxSegments, 300);
        QCOMPARE(model().Segments, 30);
        runBox([](ParametersBox& box) {
            QCOMPARE(box.field(BoxField::Segments)->text(), QStringLiteral("30"));
            box.reject();
        });
        QCOMPARE(BoxParameters::instance().BoxSegments, 30);
    }

    // Sectors that no longer split the row evenly end symmetry mode as
    // "Exit Symmetry Mode" would, and the status bar says why. Values typed
    // on the way to another ("1" on the way to "12") do not count: the mode
    // is judged when the box closes.
    void symmetryModeEndsWhenTheSectorsNoLongerFit() {
        document().setSymmetrySectors(4);
        runBox([this](ParametersBox& box) {
            retype(box.field(BoxField::Segments), "12");
            QCOMPARE(model().Segments, 12);
            box.accept();
        });
        QCOMPARE(model().SymmetrySectors, 4);
        QCOMPARE(view().layout().Sector.SectorStartAngle, 210.0f);  // 3 segments per sector
        runBox([this](ParametersBox& box) {
            paste(box.field(BoxField::Segments), "10");
            box.reject();
        });
        QCOMPARE(model().SymmetrySectors, 0);
        QCOMPARE(StatusPane::text(),
                 QStringLiteral("Symmetry Mode ended: 10 segments per row cannot be split into 4 "
                                "equal sectors."));
        QVERIFY(!ShowsRedIn(view().lastPaintedImage()));

        editParameters([&](BoxParameters& p) { p.BoxSegments = 24; });
        document().setSymmetrySectors(4);
        runBox([this](ParametersBox& box) {
            paste(box.field(BoxField::Segments), "3");
            box.reject();
        });
        QCOMPARE(model().SymmetrySectors, 0);
        QVERIFY(StatusPane::text().startsWith("Symmetry Mode ended: 3 segments"));
        // A click then fills one segment only.
        ClickView(view(), SegmentPoint(model(), view().layout(), 2));
        QCOMPARE(model().FillHistory.size(), size_t(1));
    }

    // The tallies and the cut list describe the rings on screen as soon as
    // Rows or Segments change, not from the next fill on.
    void talliesFollowRowsAndSegmentsAtOnce() {
        for (int k : {3, 30, 60, 150, 180}) {
            click(k);
        }
        runBox([this](ParametersBox& box) {
            retype(box.field(BoxField::Segments), "12");
            checkTalliesMatchTheRecords();
            retype(box.field(BoxField::Rows), "5");
            checkTalliesMatchTheRecords();
            box.reject();
        });
    }
};

QTEST_MAIN(ParametersBoxTest)
#include "ParametersBoxTest.moc"
