#include "AppFixture.h"
#include "AppSettings.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "LengthField.h"
#include "MainWindow.h"
#include "ProfileDock.h"
#include "ProfilePanel.h"
#include "ProfileView.h"
#include "ShapeFrame.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace corvane;

class ProfileTest : public test::AppTestCase {
    Q_OBJECT

    ProfileDock& dock() { return *frame().profileDock(); }
    ProfilePanel& panel() { return *dock().panel(); }
    ProfileView& profile() { return *panel().profileView(); }

    void showPanel() {
        QVERIFY(frame().runCommand(cmd::ViewProfile));
        QVERIFY(dock().isVisible());
        QVERIFY(dock().panel() != nullptr);
        frame().resizeDocks({&dock()}, {520}, Qt::Horizontal);
        QCoreApplication::processEvents();
    }

    QPoint pixelOf(ProfilePoint inches) { return profile().pixelOf(inches).toPoint(); }

    std::vector<ProfilePoint> points() { return PlacedProfile(model()); }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&profile(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(&profile(), (from + to) / 2);
        QTest::mouseMove(&profile(), to);
        QTest::mouseRelease(&profile(), Qt::LeftButton, Qt::NoModifier, to);
    }

    void type(LengthField* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }

private slots:
    void init() {
        AppSettings().store().clear();
        fixture_.setUp(QSize(1400, 900));
    }

    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    // Hidden at first and made when first shown; the menu item follows "3D
    // Preview"; shown or hidden, and where, is kept like the other docks.
    void panelIsMadeWhenFirstShownAndRemembered() {
        QVERIFY(!dock().isVisible());
        QVERIFY(dock().panel() == nullptr);
        QAction* item = frame().menuAction(cmd::ViewProfile);
        QCOMPARE(item->text(), QStringLiteral("Profile"));
        const QList<QAction*> viewMenu = qobject_cast<QMenu*>(item->parent())->actions();
        QCOMPARE(viewMenu.indexOf(item) - 1,
                 viewMenu.indexOf(frame().menuAction(cmd::ViewPreview3D)));
        showPanel();
        frame().updateCommandStates();
        QVERIFY(item->isChecked());
        QVERIFY(frame().dockWidgetArea(&dock()) != Qt::LeftDockWidgetArea);
        frame().addDockWidget(Qt::LeftDockWidgetArea, &dock());
        QVERIFY(frame().close());
        fixture_.restart(QSize(1400, 900));
        QVERIFY(dock().isVisible());
        QCOMPARE(frame().dockWidgetArea(&dock()), Qt::LeftDockWidgetArea);
        QTRY_VERIFY(dock().panel() != nullptr);  // made once the window is on the screen
        QVERIFY(frame().runCommand(cmd::ViewProfile));
        QVERIFY(frame().close());
        fixture_.restart(QSize(1400, 900));
        QVERIFY(!dock().isVisible());
        QVERIFY(dock().panel() == nullptr);
    }

    // Add on the curve, drag, remove, and take it all back with the panel's
    // own undo, which leaves the fills alone.
    void pointsAreAddedDraggedRemovedAndUndone() {
        showPanel();
        click(5);
        const std::size_t fills = model().FillHistory.size();
        const double floor = FloorHeight(model());
        const double rim = RimHeight(model());
        const double middle = (floor + rim) / 2;
        const ProfilePoint onCurve{ProfileOf(model()).radius(middle), middle};
        QTest::mouseDClick(&profile(), Qt::LeftButton, Qt::NoModifier, pixelOf(onCurve));
        QCOMPARE(points().size(), 3u);
        QCOMPARE(profile().selectedPoint(), 1);

        drag(pixelOf(onCurve), pixelOf({onCurve.radius + 1.0, middle + 0.5}));
        QVERIFY(std::abs(points()[1].radius - (onCurve.radius + 1.0)) < 0.05);
        QVERIFY(std::abs(points()[1].height - (middle + 0.5)) < 0.05);
        QCOMPARE(points().front(), (ProfilePoint{model().ID / 2, floor}));

        // The last point moves only sideways, and so changes OD.
        drag(pixelOf(points().back()), pixelOf({points().back().radius + 0.5, rim + 1.0}));
        QVERIFY(std::abs(model().OD - 9.1) < 0.05);
        QCOMPARE(RimHeight(model()), rim);

        profile().selectPoint(1);
        profile().setFocus();
        QTest::keyClick(&profile(), Qt::Key_Delete);
        QCOMPARE(points().size(), 2u);
        QTest::keyClick(&profile(), Qt::Key_Delete);  // never below two
        QCOMPARE(points().size(), 2u);

        QTest::keyClick(&profile(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(points().size(), 3u);
        QTest::keyClick(&profile(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model().OD, 8.1);
        QTest::keyClick(&profile(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(std::abs(model().OD - 9.1) < 0.05);
        QTest::keyClick(&profile(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&profile(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&profile(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(model().Shape.IsStraight());
        QCOMPARE(model().FillHistory.size(), fills);
    }

    // Typed in the cut list's units; a shape that leaves a row no wall is
    // refused with the row named, and nothing changes.
    void typedValuesAndStartingShapes() {
        showPanel();
        panel().startingShapeButton(StartingShape::ClosedForm)->click();
        QCOMPARE(model().Shape.profile, StartingProfile(StartingShape::ClosedForm));
        profile().selectPoint(1);
        QVERIFY(panel().heightField()->isEnabled());
        type(panel().radiusField(), "4 1/2");
        QCOMPARE(points()[1].radius, 4.5);
        type(panel().heightField(), "3");
        QCOMPARE(points()[1].height, 3.0);
        profile().selectPoint(0);
        QVERIFY(!panel().heightField()->isEnabled());
        type(panel().radiusField(), "2");
        QCOMPARE(model().ID, 4.0);

        type(panel().ringHeightField(), "1");
        QCOMPARE(model().Shape.ringHeight, 1.0);
        QTest::mouseClick(&profile(), Qt::LeftButton, Qt::NoModifier,
                          pixelOf({points()[1].radius - 0.3, FloorHeight(model()) + 2.5}));
        QCOMPARE(profile().selectedRow(), 3);
        type(panel().rowHeightField(), "1.5");
        QCOMPARE(model().Shape.RowHeight(3), 1.5);
        if (qEnvironmentVariableIsSet("CORVANE_SHOTS")) {
            panel().grab().save(qEnvironmentVariable("CORVANE_SHOTS") + "/profile-panel.png");
        }

        const BowlShape before = model().Shape;
        type(panel().wallThicknessField(), "3");
        QVERIFY2(panel().messageLine()->text().endsWith(
                     QStringLiteral("has no wall: the inside crosses the axis.")),
                 qPrintable(panel().messageLine()->text()));
        QVERIFY(panel().wallThicknessField()->styleSheet().contains(QStringLiteral("#FF0000")));
        QVERIFY(model().Shape == before);
        panel().startingShapeButton(StartingShape::StraightWall)->click();
        QVERIFY(model().Shape.IsStraight());
    }
};

QTEST_MAIN(ProfileTest)
#include "ProfileTest.moc"
