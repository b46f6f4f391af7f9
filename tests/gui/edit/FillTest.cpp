#include "AppFixture.h"
#include "Application.h"
#include "BowlModel.h"
#include "BoxParameters.h"
#include "CommandIds.h"
#include "DesignRenderer.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "NamedColorTable.h"
#include "StatusPane.h"
#include "TestEnvironment.h"
#include "ViewProbe.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

using namespace corvane;
using test::ClickView;
using test::SegmentPoint;
using test::ShownColor;

namespace {
constexpr int kMaple = 32793;
constexpr int kTeak = 32799;
constexpr Argb kWalnutColor = 0xFF8B4513u;
constexpr Argb kMapleColor = 0xFFEFDDD4u;
constexpr Argb kTeakColor = 0xFFC19A6Bu;

int indexOf(int row, int position) {
    return (row - 1) * 24 + position;
}

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int count = 0;
};
}  // namespace

class FillTest : public test::AppTestCase {
    Q_OBJECT

    QString status() { return StatusPane::text(); }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    void clickFillsTheSegmentAndShowsIt() {
        const int k = indexOf(3, 5);
        click(k);
        QCOMPARE(model().FillHistory.size(), size_t(1));
        QCOMPARE(model().FillHistory[0], (FillHistoryEntry{k, kBlankColor}));
        QCOMPARE(model().SegmentTable[k].SegmentColor, kWalnutColor);
        QCOMPARE(model().SegmentTable[k].SegmentColorName, std::string("Walnut"));
        QCOMPARE(status(), QStringLiteral("Ready to fill with Walnut"));
        const ColorCounts row3 = model().RowTallies.at(3);
        QCOMPARE(row3.at("Walnut"), 1);
        QCOMPARE(row3.at("blank"), 23);
        QCOMPARE(row3.begin()->first, std::string("Walnut"));
        QCOMPARE(ShownColor(view().lastPaintedImage(), SegmentPoint(model(), view().layout(), k)),
                 kWalnutColor);
    }

    // Zoomed in, the wheel and a middle-button drag scroll the plan, and a
    // click still fills the segment under the pointer.
    void wheelAndMiddleDragScrollAndClicksFollow() {
        view().setZoomRequest({false, 2.0, 0, 0});
        QCoreApplication::processEvents();
        view().paintIfStale();
        QVERIFY(view().verticalScrollBar()->isVisible());
        const QPoint middle = view().rect().center();
        QWheelEvent wheel(middle, view().mapToGlobal(middle), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view(), &wheel);
        QCOMPARE(view().layout().Placement.scrollY, 60);
        QCOMPARE(view().verticalScrollBar()->value(), 60);
        QTest::mousePress(&view(), Qt::MiddleButton, Qt::NoModifier, middle);
        QTest::mouseMove(&view(), middle + QPoint(30, 20));
        QTest::mouseRelease(&view(), Qt::MiddleButton, Qt::NoModifier, middle + QPoint(30, 20));
        QCOMPARE(view().layout().Placement.scrollX, -30);
        QCOMPARE(view().layout().Placement.scrollY, 40);
        const int k = indexOf(8, 7);
        click(k);
        QCOMPARE(model().SegmentTable[k].SegmentColor, model().FillColor);
        QCOMPARE(model().FillHistory.size(), size_t(1));
    }

    void clickOnTheFillColourOrOutsideChangesNothing() {
        const int k = indexOf(2, 7);
        click(k);
        click(k);
        QCOMPARE(model().FillHistory.size(), size_t(1));
        StatusPane::setText("untouched");
        ClickView(view(), QPoint(view().layout().CenterX + 395, view().layout().CenterY));
        QCOMPARE(model().FillHistory.size(), size_t(1));
        QCOMPARE(status(), QStringLiteral("untouched"));
        // A segment hidden under the tally column is not filled either.
        view().window()->resize(600, 600);
        QCoreApplication::processEvents();
        view().repaintNow();
        const IntRect column = view().layout().TallyRects[0];
        int hidden = 0;
        QPoint under;
        for (int k = 1; k <= model().Rows * 24 && hidden == 0; ++k) {
            under = SegmentPoint(model(), view().layout(), k);
            hidden = column.Contains(under.x(), under.y()) ? k : 0;
        }
        QVERIFY(hidden > 0);
        ClickView(view(), under);
        QCOMPARE(model().FillHistory.size(), size_t(1));
        QCOMPARE(model().SegmentTable[hidden].SegmentColor, kBlankColor);
    }

    void refillRecordsThePreviousColourAndUndoBringsItBack() {
        const int k = indexOf(4, 1);
        QVERIFY(frame().runCommand(kMaple));
        QCOMPARE(status(), QStringLiteral("Ready to fill with Maple"));
        click(k);
        QVERIFY(frame().runCommand(kTeak));
        click(k);
        QCOMPARE(model().FillHistory.back(), (FillHistoryEntry{k, kMapleColor}));
        QCOMPARE(ShownColor(view().lastPaintedImage(), SegmentPoint(model(), view().layout(), k)),
                 kTeakColor);

        QVERIFY(frame().runCommand(cmd::UndoLastFill));
        QCOMPARE(model().SegmentTable[k].SegmentColor, kMapleColor);
        QCOMPARE(model().SegmentTable[k].SegmentColorName, std::string("Maple"));
        QCOMPARE(status(), QStringLiteral("Ready to fill with Teak"));
        QCOMPARE(ShownColor(view().lastPaintedImage(), SegmentPoint(model(), view().layout(), k)),
                 kMapleColor);
        QVERIFY(frame().runCommand(cmd::UndoLastFill));
        QCOMPARE(model().SegmentTable[k].SegmentColorName, std::string("blank"));
        QCOMPARE(model().RowTallies.at(4).size(), size_t(1));
        QVERIFY(frame().runCommand(cmd::UndoLastFill));  // nothing left: no effect
        QVERIFY(model().FillHistory.empty());
    }

    void batchUndoStopsWhenTheHistoryRunsOut() {
        for (int position : {1, 3, 5}) {
            click(indexOf(1, position));
        }
        QVERIFY(frame().runCommand(cmd::UndoLast5));
        QVERIFY(model().FillHistory.empty());
        QCOMPARE(model().RowTallies.at(1).at("blank"), 24);
    }

    void blackCannotBeRefilledByClickingButUndoReachesIt() {
        dialogs().colorAnswers.push_back(QColor(0, 0, 0));
        QVERIFY(frame().runCommand(cmd::ChooseCustomColor));
        QCOMPARE(status(), QStringLiteral("Ready to fill with Black"));
        const int k = indexOf(5, 10);
        click(k);
        QCOMPARE(model().SegmentTable[k].SegmentColor, kBlackColor);
        QVERIFY(frame().runCommand(kTeak));
        click(k);
        QCOMPARE(model().FillHistory.size(), size_t(1));
        QVERIFY(frame().runCommand(cmd::UndoLastFill));
        QCOMPARE(model().SegmentTable[k].SegmentColor, kBlankColor);
    }

    void customColoursArePickedOrCancelled() {
        dialogs().colorAnswers.push_back(QColor(139, 69, 19));
        dialogs().colorAnswers.push_back(QColor(1, 2, 3));
        dialogs().colorAnswers.push_back(std::nullopt);
        QVERIFY(frame().runCommand(cmd::ChooseCustomColor));
        QCOMPARE(model().FillColor, kWalnutColor);
        QVERIFY(frame().runCommand(cmd::ChooseCustomColor));
        QCOMPARE(model().FillColor, 0xFF010203u);
        QCOMPARE(status(), QStringLiteral("Ready to fill with Custom Colored Wood"));
        StatusPane::setText("x");
        QVERIFY(frame().runCommand(cmd::ChooseCustomColor));  // cancelled
        QCOMPARE(model().FillColor, 0xFF010203u);
        QCOMPARE(status(), QStringLiteral("Ready to fill with Custom Colored Wood"));
        QCOMPARE(dialogs().colorRequests, 3);
    }

    void centreDiscAndClearAll() {
        ClickView(view(), QPoint(view().layout().CenterX + 5, view().layout().CenterY - 7));
        QCOMPARE(model().FillHistory.back().SegmentIndex, 0);
        QCOMPARE(model().RowTallies.at(0).at("Walnut"), 1);
        click(indexOf(8, 24));
        QVERIFY(frame().runCommand(cmd::ClearAllSegmentColors));
        QVERIFY(model().FillHistory.empty());
        for (const auto& [row, counts] : model().RowTallies) {
            QCOMPARE(counts.size(), size_t(1));
            QVERIFY(counts.count("blank") == 1);
        }
        QCOMPARE(ShownColor(view().lastPaintedImage(),
                            {view().layout().CenterX + 5, view().layout().CenterY}),
                 kBlankColor);
        QCOMPARE(status(), QStringLiteral("Ready to fill with Walnut"));
    }

    // A click, a symmetric click, an undo and a click after a parameter
    // change repaint only what changed; the view must then show exactly what
    // a full paint of the design shows.
    void partialRepaintShowsWhatAFullPaintShows_data() {
        QTest::addColumn<QString>("action");
        for (const char* action : {"plain click", "symmetric click", "undo", "parameter change",
                                   "fitted, tallies widen"}) {
            QTest::newRow(action) << QString::fromLatin1(action);
        }
    }

    void partialRepaintShowsWhatAFullPaintShows() {
        QFETCH(QString, action);
        if (action == "fitted, tallies widen") {
            // The first fill's count line is wider than "blank": the fitted
            // bowl moves aside for the wider column.
            view().setZoomRequest({.fit = true});
        }
        click(indexOf(2, 3));
        if (action == "symmetric click") {
            document().setSymmetrySectors(4);
            click(65);
            QCOMPARE(model().FillHistory.size(), size_t(5));
        } else if (action == "undo") {
            click(indexOf(7, 20));
            QVERIFY(frame().runCommand(cmd::UndoLastFill));
        } else if (action == "parameter change") {
            editParameters([&](BoxParameters& p) { p.BoxSegments = 30; });
            click(indexOf(5, 9));
        } else {
            click(indexOf(8, 24));
        }
        const QImage shown = view().lastPaintedImage();
        QCOMPARE(shown,
                 DesignRenderer::render(model(), view().size(),
                                        {.sectorOutline = true, .zoom = view().zoomRequest()}));
    }

    // Clear All blanks every record, so nothing comes back when rows grow.
    void clearedFillsStayClearedWhenRowsGrow() {
        const int k = indexOf(7, 4);
        click(k);
        editParameters([&](BoxParameters& p) { p.BoxRows = 4; });
        QVERIFY(frame().runCommand(cmd::ClearAllSegmentColors));
        editParameters([&](BoxParameters& p) { p.BoxRows = 8; });
        QCOMPARE(model().SegmentTable[k].SegmentColorName, std::string("blank"));
        QCOMPARE(model().RowTallies.at(7).at("blank"), 24);
        QCOMPARE(ShownColor(view().lastPaintedImage(), SegmentPoint(model(), view().layout(), k)),
                 kBlankColor);
    }

    // A batch undo does all its steps, then recounts and repaints once.
    void batchUndoRepaintsOnce() {
        document().setSymmetrySectors(4);
        for (int position : {16, 17, 18, 19, 20}) {
            for (int row = 1; row <= 8; row += 2) {
                click(indexOf(row, position));
            }
        }
        QCOMPARE(model().FillHistory.size(), size_t(4 * 4 * 5));
        const QImage before = view().lastPaintedImage();
        PaintCounter paints(view());
        QVERIFY(frame().runCommand(cmd::UndoLast100));
        QCOMPARE(paints.count, 1);
        QVERIFY(model().FillHistory.empty());
        QCOMPARE(model().RowTallies.at(3), (ColorCounts{{"blank", 24}}));
        QCOMPARE(view().lastPaintedImage(), DesignRenderer::render(model(), view().size()));
        QVERIFY(view().lastPaintedImage() != before);

        click(indexOf(1, 1));
        paints.count = 0;
        QVERIFY(frame().runCommand(cmd::ClearAllSegmentColors));
        QCOMPARE(paints.count, 1);
    }

    void undoBeyondTheUsedRowsChangesOnlyTheStoredRecord() {
        const int k = indexOf(8, 3);
        click(k);
        editParameters([&](BoxParameters& p) { p.BoxRows = 6; });
        const RowTallyMap before = model().RowTallies;
        QVERIFY(frame().runCommand(cmd::UndoLastFill));
        QCOMPARE(model().SegmentTable[k].SegmentColor, kBlankColor);
        QVERIFY(model().RowTallies.count(8) == 0);
        QCOMPARE(model().RowTallies.at(1), before.at(1));
    }
};

QTEST_MAIN(FillTest)
#include "FillTest.moc"
