// The program as a user first meets it on a real X server (Xvfb, the xcb
// platform, a fresh settings store): the window's place against the screen,
// the lock panes following the keyboard, and the help dialog and the looks
// as they show. With CORVANE_SHOTS set, screenshots go to that folder.

#include "AppFixture.h"
#include "AppSettings.h"
#include "BoxParameters.h"
#include "CommandIds.h"
#include "DesignPlacement.h"
#include "DesignView.h"
#include "LabelText.h"
#include "LockIndicators.h"
#include "MainWindow.h"
#include "ViewProbe.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <cmath>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

using namespace corvane;

namespace {

QRect freeArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The whole screen, popups included, into the shots folder when one is set.
void saveShot(const QString& name) {
    const QString folder = qEnvironmentVariable("CORVANE_SHOTS");
    if (folder.isEmpty()) {
        return;
    }
    QCoreApplication::processEvents();
    QDir().mkpath(folder);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QString scale = screen->devicePixelRatio() > 1.0
                              ? QStringLiteral("@%1x").arg(screen->devicePixelRatio())
                              : QString();
    QVERIFY(screen->grabWindow(0).save(QDir(folder).filePath(name + scale + ".png")));
}

// Another client of the X server turns locks on and off, as the keyboard does.
class LockKeys {
public:
    LockKeys() : display_(XOpenDisplay(nullptr)) {}
    ~LockKeys() {
        if (display_ != nullptr) {
            set(LockMask | numLockMask(), 0);
            XCloseDisplay(display_);
        }
    }
    LockKeys(const LockKeys&) = delete;
    LockKeys& operator=(const LockKeys&) = delete;

    bool isOpen() const { return display_ != nullptr; }
    unsigned numLockMask() const { return XkbKeysymToModifiers(display_, XK_Num_Lock); }
    void set(unsigned affected, unsigned locked) {
        XkbLockModifiers(display_, XkbUseCoreKbd, affected, locked);
        XSync(display_, False);
    }

private:
    Display* display_;
};

}  // namespace

class DesktopStartTest : public test::AppTestCase {
    Q_OBJECT

    // As the program places itself, not at a size the test chooses.
    void start() { fixture_.setUp(QSize()); }

    // Opens the menus down to a menu item, as the mouse would, and highlights
    // the item; answers the menu that holds it.
    QMenu* highlight(QAction* item) {
        QList<QMenu*> path;
        for (auto* menu = qobject_cast<QMenu*>(item->parent()); menu != nullptr;
             menu = qobject_cast<QMenu*>(menu->parent())) {
            path.prepend(menu);
        }
        frame().menuBar()->setActiveAction(path.first()->menuAction());
        for (qsizetype i = 0; i < path.size(); ++i) {
            if (!QTest::qWaitForWindowExposed(path[i])) {
                return nullptr;
            }
            path[i]->setActiveAction(i + 1 < path.size() ? path[i + 1]->menuAction() : item);
        }
        return path.last();
    }

    // The square the bowl takes in the view as its last paint placed it.
    QRectF shownBowl(DesignView& shown) {
        const ViewLayout& layout = shown.layout();
        const double reach = DesignExtent(model()) * layout.Placement.zoom;
        const ViewPoint centre = DesignToView(layout.Placement, layout.CenterX, layout.CenterY);
        return {centre.x - reach, centre.y - reach, 2.0 * reach, 2.0 * reach};
    }

    // The outermost row's segment nearest the top of the view.
    int topmostOfOuterRow() {
        const int last = model().LastLiveIndex();
        int top = last;
        for (int k = last - model().Segments + 1; k <= last; ++k) {
            if (model().SegmentTable[k].SegmentCenter.y <
                model().SegmentTable[top].SegmentCenter.y) {
                top = k;
            }
        }
        return top;
    }

    void closeMenus() {
        for (QMenu* menu : frame().menuBar()->findChildren<QMenu*>()) {
            menu->close();
        }
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    }

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    void init() { QSettings().clear(); }
    void cleanup() { QCOMPARE(fixture_.tearDown(), 0); }

    void firstStartTakesThreeQuartersOfTheScreenCentred() {
        start();
        const QRect screen = freeArea();
        const QRect window = frame().frameGeometry();
        QVERIFY(screen.contains(window));
        QVERIFY(qAbs(window.width() - screen.width() * 3 / 4) <= screen.width() / 20);
        QVERIFY(qAbs(window.height() - screen.height() * 3 / 4) <= screen.height() / 20);
        QVERIFY(qAbs(window.center().x() - screen.center().x()) <= 2);
        QVERIFY(qAbs(window.center().y() - screen.center().y()) <= screen.height() / 40);
        // Every menu of the bar is in sight, none folded away.
        QMenuBar* bar = frame().menuBar();
        for (QAction* menu : bar->actions()) {
            const QRect title = bar->actionGeometry(menu);
            QVERIFY2(!title.isEmpty() && bar->rect().contains(title), qPrintable(menu->text()));
        }
        saveShot(QStringLiteral("first-start"));
    }

    // A placement saved on a screen that has gone (a second monitor taken
    // away) gives way to the first start's; one that sticks out of the
    // screen is moved inside it.
    void savedPlacementIsKeptOnTheScreen_data() {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QRect>("shown");
        const QRect screen = freeArea();
        QRect firstStart(QPoint(0, 0), QSize(screen.width() * 3 / 4, screen.height() * 3 / 4));
        firstStart.moveCenter(screen.center());
        QTest::newRow("on a screen to the right")
            << QRect(screen.right() + 200, 100, 900, 700) << firstStart;
        QTest::newRow("half off the bottom right")
            << QRect(screen.right() - 300, screen.bottom() - 200, 600, 400)
            << QRect(screen.right() - 599, screen.bottom() - 399, 600, 400);
    }

    void savedPlacementIsKeptOnTheScreen() {
        QFETCH(QRect, saved);
        QFETCH(QRect, shown);
        AppSettings().setValue(SettingsKeys::MainWindowRect, saved);
        start();
        QTRY_COMPARE(frame().geometry(), shown);
    }

    void lockPanesFollowTheKeyboard() {
        LockKeys keys;
        QVERIFY(keys.isOpen());
        const unsigned numLock = keys.numLockMask();
        QVERIFY(numLock != 0);
        keys.set(LockMask | numLock, 0);
        start();
        LockIndicators* panes = frame().lockIndicators();
        QVERIFY(panes->capsLock()->isEnabled());
        QCOMPARE(panes->capsLock()->text(), QString());
        QCOMPARE(panes->numLock()->text(), QString());

        keys.set(LockMask, LockMask);
        QTRY_COMPARE(panes->capsLock()->text(), QStringLiteral("CAP"));
        QCOMPARE(panes->numLock()->text(), QString());
        keys.set(numLock, numLock);
        QTRY_COMPARE(panes->numLock()->text(), QStringLiteral("NUM"));
        QCOMPARE(panes->capsLock()->text(), QStringLiteral("CAP"));
        keys.set(LockMask | numLock, 0);
        QTRY_COMPARE(panes->capsLock()->text(), QString());
        QTRY_COMPARE(panes->numLock()->text(), QString());
        QCOMPARE(panes->scrollLock()->text(), QString());
    }

    // The whole bowl shows on a first start, beside the tallies, so that the
    // top of the outermost row, where the active sector sits, can be clicked.
    void firstStartFitsTheWholeBowl() {
        start();
        DesignView& shown = view();
        QVERIFY(shown.zoomRequest().fit);
        const ViewLayout& layout = shown.layout();
        const QRectF bowl = shownBowl(shown);
        QVERIFY(QRectF(shown.rect()).contains(bowl));
        for (const IntRect& column : layout.TallyRects) {
            QVERIFY(column.IsEmpty() || bowl.left() >= column.right || bowl.right() <= column.left);
        }
        saveShot(QStringLiteral("first-start"));

        document().setSymmetrySectors(4);
        shown.paintIfStale();
        const int top = topmostOfOuterRow();
        test::ClickView(shown, test::SegmentPoint(model(), shown.layout(), top));
        int filled = 0;
        for (int k = 1; k <= model().LastLiveIndex(); ++k) {
            filled += model().SegmentTable[k].SegmentColor == model().FillColor ? 1 : 0;
        }
        QCOMPARE(filled, 4);
        saveShot(QStringLiteral("first-start-symmetry"));

        // A 10 in bowl of 11 rows fits again as soon as the parameters change.
        fixture_.editParameters([](BoxParameters& values) {
            values.BoxOD = 10.0;
            values.BoxRows = 11;
        });
        shown.paintIfStale();
        QVERIFY(QRectF(shown.rect()).contains(shownBowl(shown)));
        saveShot(QStringLiteral("ten-inch-bowl"));
    }

    // With the cut list and the profile docked beside it the window still
    // fits the screen, and the plan fits what is left of it. (The 3D preview
    // is left out here: its OpenGL driver's own leaks would hide ours.)
    void docksLeaveTheWholeBowlInView() {
        start();
        QVERIFY(frame().runCommand(cmd::ViewCutList));
        QVERIFY(frame().runCommand(cmd::ViewProfile));
        QTest::qWait(500);
        QCoreApplication::processEvents();
        view().paintIfStale();
        saveShot(QStringLiteral("docks"));
        QVERIFY2(freeArea().contains(frame().frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2")
                                .arg(frame().frameGeometry().width())
                                .arg(frame().frameGeometry().height())));
        QVERIFY(QRectF(view().rect()).contains(shownBowl(view())));
    }

    // The zoom keys from the keyboard, as the menus show them.
    void zoomKeys() {
        start();
        DesignView& shown = view();
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        const double fitted = shown.layout().Placement.zoom;
        QTest::keyClick(&shown, Qt::Key_Equal, Qt::ControlModifier);
        QVERIFY(!shown.zoomRequest().fit);
        QCOMPARE(shown.layout().Placement.zoom, fitted * kZoomStep);
        saveShot(QStringLiteral("zoomed-in"));
        QTest::keyClick(&shown, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(shown.layout().Placement.zoom, 1.0);
        QCoreApplication::processEvents();
        saveShot(QStringLiteral("actual-size"));
        QTest::keyClick(&shown, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(shown.layout().Placement.zoom, 1.0 / kZoomStep);
        QTest::keyClick(&shown, Qt::Key_0, Qt::ControlModifier);
        QVERIFY(shown.zoomRequest().fit);
        QCOMPARE(shown.layout().Placement.zoom, fitted);
        QCOMPARE(frame().zoomPane()->text(),
                 QStringLiteral("Zoom %1%").arg(std::lround(fitted * 100.0)));

        // The zoom chosen last comes back at the next start.
        QTest::keyClick(&shown, Qt::Key_1, Qt::ControlModifier);
        fixture_.restart(QSize());
        QVERIFY(!view().zoomRequest().fit);
        QCOMPARE(view().layout().Placement.zoom, 1.0);
        QCOMPARE(frame().zoomPane()->text(), QStringLiteral("Zoom 100%"));
    }

    void helpDialogFitsTheScreenWithEveryLine() {
        start();
        bool checked = false;
        dialogs().dialogAnswers.push_back([&](QDialog& dialog) {
            dialog.show();
            if (!QTest::qWaitForWindowExposed(&dialog)) {
                return -1;
            }
            QCoreApplication::processEvents();
            checked = freeArea().contains(dialog.frameGeometry());
            for (QLabel* label : dialog.findChildren<QLabel*>()) {
                checked =
                    checked && (!label->pixmap().isNull() || test::HiddenText(*label).isEmpty());
            }
            saveShot(QStringLiteral("help-dialog"));
            return int(QDialog::Accepted);
        });
        QVERIFY(frame().runCommand(cmd::HelpForCorvane));
        QVERIFY(checked);
    }

    // Each look with its own item highlighted in the View menu: bar, menus
    // with their check and radio marks, toolbar and status bar in one set
    // of colours.
    void everyLookWithItsMenuOpen() {
        start();
        for (int look : {205, 206, 207, 208, 209, 210, 215, 216, 217, 218, 219}) {
            QVERIFY(frame().runCommand(look));
            // The Windows 7 look has no item of its own.
            QAction* item = frame().menuAction(look == 219 ? int(cmd::StatusBar) : look);
            QVERIFY(highlight(item) != nullptr);
            saveShot(QStringLiteral("look-%1").arg(look));
            closeMenus();
        }
    }
};

QTEST_MAIN(DesktopStartTest)
#include "DesktopStartTest.moc"
