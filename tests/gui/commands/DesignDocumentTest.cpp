#include "ActiveSector.h"
#include "BoxParameters.h"
#include "DesignDocument.h"
#include "DesignPicture.h"
#include "TestEnvironment.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace corvane;

Q_DECLARE_METATYPE(corvane::DesignChange)

namespace {

using Operation = std::function<void(DesignDocument&)>;

}  // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

constexpr Argb kTeak = 0xFFC19A6Bu;

int indexOf(int row, int position) {
    return (row - 1) * 24 + position;
}

BoxParameters parametersOf(const BowlModel& model) {
    BoxParameters values;
    values.LoadFrom(model);
    return values;
}

void setSegments(DesignDocument& document, int segments) {
    BoxParameters values = parametersOf(document.model());
    values.BoxSegments = segments;
    document.setParameters(values);
}

// A design with a few fills, as a file would bring it.
BowlModel filledDesign() {
    BowlModel model;
    model.Rows = 5;
    model.ComputeGeometry(96);
    model.FillSegment(7);
    model.FillSegment(30);
    return model;
}

}  // namespace

class DesignDocumentTest : public QObject {
    Q_OBJECT

    test::TestEnvironment environment_;

    DesignChange onlyChange(DesignDocument& document, const Operation& operation) {
        QSignalSpy spy(&document, &DesignDocument::changed);
        operation(document);
        if (spy.count() != 1) {
            qWarning("%d signals instead of one", int(spy.count()));
            return {};
        }
        return spy.first().first().value<DesignChange>();
    }

private slots:
    void initTestCase() { qRegisterMetaType<DesignChange>(); }

    // Each operation says once what it changed: the records a fill or undo
    // recoloured, or that the geometry and parameters changed.
    void eachOperationEmitsOneSignalSayingWhatChanged_data() {
        QTest::addColumn<Operation>("prepare");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<std::vector<int>>("records");
        QTest::addColumn<bool>("allColors");
        QTest::addColumn<bool>("geometry");
        QTest::addColumn<bool>("tallies");
        QTest::addColumn<bool>("shape");
        const Operation nothing = [](DesignDocument&) {};
        const SectorAngles sector = [] {
            BowlModel model;
            model.SymmetrySectors = 4;
            return ComputeActiveSector(model);
        }();
        QTest::newRow("fill") << nothing
                              << Operation([](DesignDocument& d) { d.fill(indexOf(3, 2), {}); })
                              << std::vector<int>{indexOf(3, 2)} << false << false << true << false;
        QTest::newRow("symmetric fill")
            << Operation([](DesignDocument& d) { d.setSymmetrySectors(4); })
            << Operation([sector](DesignDocument& d) { d.fill(65, sector); })
            << std::vector<int>{65, 71, 53, 59} << false << false << true << false;
        QTest::newRow("fill outside the sector")
            << Operation([](DesignDocument& d) { d.setSymmetrySectors(4); })
            << Operation([sector](DesignDocument& d) { d.fill(63, sector); })
            << std::vector<int>{63} << false << false << true << false;
        QTest::newRow("undo 5 of 3") << Operation([](DesignDocument& d) {
            for (int k : {4, 9, 4}) {
                d.fill(k, {});
            }
        }) << Operation([](DesignDocument& d) { d.undoFills(5); })
                                     << std::vector<int>{4, 9, 4} << false << false << true
                                     << false;
        QTest::newRow("clear all") << nothing << Operation([](DesignDocument& d) { d.clearAll(); })
                                   << std::vector<int>{} << true << false << true << false;
        QTest::newRow("parameters")
            << nothing << Operation([](DesignDocument& d) { setSegments(d, 12); })
            << std::vector<int>{} << false << true << true << false;
        QTest::newRow("screen resolution")
            << nothing << Operation([](DesignDocument& d) { d.setPixelsPerInch(120); })
            << std::vector<int>{} << false << true << false << false;
        QTest::newRow("opened file")
            << nothing << Operation([](DesignDocument& d) { d.replaceBy(filledDesign()); })
            << std::vector<int>{} << true << true << true << true;
        QTest::newRow("wall thickness")
            << nothing << Operation([](DesignDocument& d) { d.setWallThickness(0.375); })
            << std::vector<int>{} << false << false << false << true;
        QTest::newRow("profile points") << nothing << Operation([](DesignDocument& d) {
            d.setProfilePoints({{1.75, 0.75}, {3.5, 3.0}, {4.05, 6.75}});
        }) << std::vector<int>{} << false
                                        << false << false << true;
    }

    void eachOperationEmitsOneSignalSayingWhatChanged() {
        QFETCH(Operation, prepare);
        QFETCH(Operation, operation);
        QFETCH(std::vector<int>, records);
        QFETCH(bool, allColors);
        QFETCH(bool, geometry);
        QFETCH(bool, tallies);
        QFETCH(bool, shape);
        DesignDocument document;
        prepare(document);
        const DesignChange change = onlyChange(document, operation);
        QCOMPARE(change.records, records);
        QCOMPARE(change.allColors, allColors);
        QCOMPARE(change.geometry, geometry);
        QCOMPARE(change.tallies, tallies);
        QCOMPARE(change.shape, shape);
        QCOMPARE(change.onlyRecolored(), !allColors && !geometry && !shape);
    }

    // Nothing to undo, nothing to tell; the fill colour is no part of the picture.
    void operationsThatChangeNothingShownStayQuiet() {
        DesignDocument document;
        QSignalSpy spy(&document, &DesignDocument::changed);
        document.undoFills(1);
        document.setFillColor(kTeak);
        document.setPrintScale(1.5);
        // A wall that leaves the first row nothing to turn, and a shape as it is.
        QCOMPARE(document.setWallThickness(2.0),
                 std::optional<std::string>("Row 1 has no wall: the inside crosses the axis."));
        QVERIFY(!document.setRingHeight(kDefaultRingHeightInches));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(document.model().FillColor, kTeak);
        QCOMPARE(document.model().PrintScale, 1.5);
    }

    // The tallies are counted after every change of colours and of the rings.
    void talliesAreCountedAfterFillsUndosAndParameters() {
        DesignDocument document;
        QVERIFY(document.model().RowTallies.empty());
        document.fill(indexOf(3, 1), {});
        QCOMPARE(document.model().RowTallies.at(3), (ColorCounts{{"Walnut", 1}, {"blank", 23}}));
        setSegments(document, 12);
        QCOMPARE(document.model().RowTallies.at(3), (ColorCounts{{"blank", 12}}));
        // Record 49 now lies in row 5.
        QCOMPARE(document.model().RowTallies.at(5), (ColorCounts{{"Walnut", 1}, {"blank", 11}}));
        document.undoFills(1);
        QCOMPARE(document.model().RowTallies.at(5), (ColorCounts{{"blank", 12}}));
    }

    void symmetryModeEndsWhenSegmentsNoLongerSplit() {
        DesignDocument document;
        document.setSymmetrySectors(4);
        document.holdSymmetryCheck(true);
        setSegments(document, 10);
        QCOMPARE(document.model().SymmetrySectors, 4);  // "10" may be on the way to "100"
        const DesignChange change =
            onlyChange(document, [](DesignDocument& d) { d.holdSymmetryCheck(false); });
        QCOMPARE(document.model().SymmetrySectors, 0);
        QCOMPARE(change.endedSectors, 4);
        QCOMPARE(change.segmentsAtEnd, 10);

        document.setSymmetrySectors(2);
        const DesignChange fits =
            onlyChange(document, [](DesignDocument& d) { setSegments(d, 12); });
        QCOMPARE(fits.endedSectors, 0);
        QCOMPARE(document.model().SymmetrySectors, 2);
    }

    // The close question is asked exactly when a save would write another
    // design than the one last saved or opened.
    void changedSinceSaved_data() {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing") << Operation([](DesignDocument&) {}) << false;
        QTest::newRow("fill") << Operation([](DesignDocument& d) { d.fill(5, {}); }) << true;
        QTest::newRow("fill undone") << Operation([](DesignDocument& d) {
            d.fill(5, {});
            d.fill(6, {});
            d.undoFills(2);
        }) << false;
        QTest::newRow("undo past the save")
            << Operation([](DesignDocument& d) { d.undoFills(1); }) << true;
        QTest::newRow("clear") << Operation([](DesignDocument& d) { d.clearAll(); }) << true;
        QTest::newRow("parameters")
            << Operation([](DesignDocument& d) { setSegments(d, 12); }) << true;
        QTest::newRow("parameters back") << Operation([](DesignDocument& d) {
            setSegments(d, 12);
            setSegments(d, 24);
        }) << false;
        QTest::newRow("fill, then saved") << Operation([](DesignDocument& d) {
            d.fill(5, {});
            d.markSaved();
        }) << false;
        QTest::newRow("fill, then opened") << Operation([](DesignDocument& d) {
            d.fill(5, {});
            d.replaceBy(filledDesign());
        }) << false;
        QTest::newRow("opened, then filled") << Operation([](DesignDocument& d) {
            d.replaceBy(filledDesign());
            d.fill(12, {});
        }) << true;
        QTest::newRow("ring height")
            << Operation([](DesignDocument& d) { d.setRingHeight(1.0); }) << true;
        QTest::newRow("row height back to the ring height") << Operation([](DesignDocument& d) {
            d.setRowHeight(3, 1.0);
            d.setRowHeight(3, kDefaultRingHeightInches);
        }) << false;
        QTest::newRow("profile points") << Operation([](DesignDocument& d) {
            d.setProfilePoints({{4.05, 6.75}, {3.0, 3.0}, {1.75, 0.75}});
        }) << true;
        QTest::newRow("symmetry mode and fill colour") << Operation([](DesignDocument& d) {
            d.setSymmetrySectors(4);
            d.setFillColor(kTeak);
        }) << false;
    }

    void changedSinceSaved() {
        QFETCH(Operation, operation);
        QFETCH(bool, changed);
        DesignDocument document;
        document.fill(3, {});  // a saved design with a history
        document.markSaved();
        operation(document);
        QCOMPARE(document.hasUnsavedChanges(), changed);
    }

    // Painting, printing and export only read the design: with and without
    // the sector outline, the model is the same afterwards to the last byte.
    void aPaintLeavesTheModelAsItWas_data() {
        QTest::addColumn<bool>("outline");
        QTest::newRow("view") << true;
        QTest::newRow("printout") << false;
    }

    void aPaintLeavesTheModelAsItWas() {
        QFETCH(bool, outline);
        DesignDocument document;
        document.fill(indexOf(8, 18), {});
        document.setSymmetrySectors(4);
        const BowlModel before = document.model();
        DesignPicture picture;
        picture.paintAll(document.model(), QSize(900, 700), 1.0,
                         {.sectorOutline = outline, .zoom = {}});
        picture.repaintRecords(document.model(), {indexOf(8, 18)});
        QVERIFY(document.model() == before);
        QCOMPARE(document.model().SymmetrySectors, 4);
        QCOMPARE(picture.layout().CenterX, 450);
        QCOMPARE(picture.layout().CenterY, 350);
        QCOMPARE(picture.layout().Sector.SectorStartAngle, outline ? 225.0f : 0.0f);
    }
};

QTEST_MAIN(DesignDocumentTest)
#include "DesignDocumentTest.moc"
