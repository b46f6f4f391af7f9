#include "AppSettings.h"
#include "Application.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "CutListPanel.h"
#include "DesignView.h"
#include "LockIndicators.h"
#include "MainWindow.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "ViewProbe.h"
#include "WindowPlacement.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include <cmath>

using namespace corvane;

namespace {

// Every item of a menu tree as "Menu/Sub/Item=id", in order.
void collectItems(QMenu* menu, const QString& path, QStringList& out) {
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            collectItems(action->menu(), path + action->text() + "/", out);
        } else if (!action->isSeparator() && action->data().isValid()) {
            out << QStringLiteral("%1%2=%3").arg(path, action->text()).arg(action->data().toInt());
        }
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    test::TestEnvironment environment_;

private slots:
    void init() { test::TestEnvironment::resetModel(); }

    void captionMenusToolbarAndStatusBar() {
        Application app(test::TestEnvironment::document());
        QVERIFY(app.showMainWindow());
        MainWindow* frame = app.mainWindow();
        QVERIFY(frame->windowTitle().startsWith("Corvane - find this program at "));
        QVERIFY(frame->windowTitle().size() > 31);
        // The icon is the window manager's: it follows the first frame.
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QTRY_VERIFY(!frame->windowIcon().isNull());

        QStringList menus;
        for (QAction* action : frame->menuBar()->actions()) {
            menus << action->text();
        }
        QCOMPARE(menus, (QStringList{"&File", "Parameters", "Undo", "Symmetry Mode", "Print",
                                     "Save/Open", "&View", "&Help"}));

        QStringList items;
        for (QAction* action : frame->menuBar()->actions()) {
            collectItems(action->menu(), action->text() + "/", items);
        }
        const QStringList expectedStart = {
            "&File/E&xit=57665",
            "Parameters/Show Parameters Box=32771",
            "Parameters/Segment Fill Color/Ash=32803",
            "Parameters/Segment Fill Color/BloodWood=32789",
            "Parameters/Segment Fill Color/Bubinga=32790",
            "Parameters/Segment Fill Color/Cherry=32791",
            "Parameters/Segment Fill Color/Mahogany=32792",
            "Parameters/Segment Fill Color/Maple=32793",
            "Parameters/Segment Fill Color/Osage Orange=32794",
            "Parameters/Segment Fill Color/Paduak=32795",
            "Parameters/Segment Fill Color/PurpleHeart=32796",
            "Parameters/Segment Fill Color/Red Oak=32797",
            "Parameters/Segment Fill Color/Sepele=32798",
            "Parameters/Segment Fill Color/Teak=32799",
            "Parameters/Segment Fill Color/Walnut=32800",
            "Parameters/Segment Fill Color/White Oak=32801",
            "Parameters/Segment Fill Color/YellowWood=32802",
            "Parameters/Segment Fill Color/Choose Custom Color=32804",
            "Undo/Undo Last Fill=32805",
            "Undo/Undo Last 5 Fills=32806",
            "Undo/Undo Last 10 Fills=32807",
            "Undo/Undo Last 20 Fills=32829",
            "Undo/Undo Last 100 Fils=32830",
            "Undo/Clear All Segment Colors=32808",
            "Symmetry Mode/Enter Symmetry Mode=32827",
            "Symmetry Mode/Exit Symmetry Mode=32828",
            "Print/Print=32809",
            "Print/Scale Printout/90%=32811",
            "Print/Scale Printout/95%=32812",
            "Print/Scale Printout/100%=32813",
            "Print/Scale Printout/105%=32815",
            "Print/Scale Printout/110%=32814",
            "Print/Scale Printout/150%=32816",
            "Print/Scale Printout/200%=32817",
            "Print/Print Cut List=32840",
            "Save/Open/Save as CSV (for Excel) File (can be recalled)=32821",
            "Save/Open/Open Exisiting CSV File from Corvane=32822",
            "Save/Open/Save as JPG=32818",
            "Save/Open/Save as PNG=32819",
            "Save/Open/Save As BMP=32820",
            "Save/Open/Save Cut List as CSV=32841",
        };
        QCOMPARE(items.mid(0, expectedStart.size()), expectedStart);
        QVERIFY(items.contains("&View/&Toolbars and Docking Windows/Customize...=126"));
        QVERIFY(items.contains("&View/&Status Bar=59393"));
        QVERIFY(items.contains("&View/Cut List=32842"));
        QVERIFY(items.contains("&View/&Application Look/Office 200&7/&Aqua Style=218"));
        QCOMPARE(items.last(), QStringLiteral("&Help/Help for Corvane=57664"));

        QToolBar* toolBar = frame->standardToolBar();
        QCOMPARE(toolBar->windowTitle(), QStringLiteral("Standard"));
        QList<int> ids;
        for (QAction* action : toolBar->actions()) {
            ids << (action->isSeparator() ? 0 : action->data().toInt());
        }
        QCOMPARE(ids.mid(0, 5),
                 (QList<int>{cmd::EditCut, cmd::EditCopy, cmd::EditPaste, 0, cmd::HelpForCorvane}));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!toolBar->actions()[i]->isEnabled());
        }

        QCOMPARE(frame->messagePane()->text(), QStringLiteral("Ready"));
        QStringList indicators;
        for (QLabel* label : frame->statusBar()->findChildren<QLabel*>()) {
            if (label != frame->messagePane() && label != frame->zoomPane()) {
                indicators << label->text();
            }
        }
        QCOMPARE(indicators, (QStringList{"CAP", "NUM", "SCRL"}));
        // A first start fits the bowl to the view and says how far it zoomed.
        QVERIFY(frame->view()->zoomRequest().fit);
        const double zoom = frame->view()->layout().Placement.zoom;
        QCOMPARE(frame->zoomPane()->text(),
                 QStringLiteral("Zoom %1%").arg(std::lround(zoom * 100)));
        // This platform cannot tell the lock states, so none of them is lit.
        for (QLabel* pane :
             {frame->lockIndicators()->capsLock(), frame->lockIndicators()->numLock(),
              frame->lockIndicators()->scrollLock()}) {
            QVERIFY(!pane->isEnabled());
        }

        // The Parameters menu opens with a separator, which Qt would drop.
        QMenu* parameters = frame->menuBar()->actions()[1]->menu();
        QVERIFY(parameters->actions().first()->isSeparator());
        QVERIFY(parameters->actionGeometry(parameters->actions().first()).height() > 0);
    }

    // The keys shown in the menus, each bound once; the framework's undo keeps
    // only Alt+Backspace, and Ctrl+Z undoes the last fill.
    void shortcutsAreShownInTheMenus_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("keys");
        QTest::newRow("save") << cmd::SaveCsv << "Ctrl+S";
        QTest::newRow("open") << cmd::OpenCsv << "Ctrl+O";
        QTest::newRow("print") << cmd::Print << "Ctrl+P";
        QTest::newRow("undo") << cmd::UndoLastFill << "Ctrl+Z";
        QTest::newRow("help") << cmd::HelpForCorvane << "F1";
        QTest::newRow("framework undo") << cmd::EditUndo << "Alt+Backspace";
    }

    void shortcutsAreShownInTheMenus() {
        QFETCH(int, id);
        QFETCH(QString, keys);
        Application app(test::TestEnvironment::document());
        QVERIFY(app.showMainWindow());
        MainWindow* frame = app.mainWindow();
        const QKeySequence sequence(keys);
        QList<QAction*> bound;
        for (QAction* action : frame->findChildren<QAction*>()) {
            if (action->shortcuts().contains(sequence)) {
                bound << action;
            }
        }
        QCOMPARE(bound.size(), 1);
        QCOMPARE(bound.first()->data().toInt(), id);
        if (id != cmd::EditUndo) {
            QCOMPARE(bound.first(), frame->menuAction(id));
            QVERIFY(qobject_cast<QMenu*>(bound.first()->parent()) != nullptr);
        }
    }

    void ctrlZUndoesTheLastFill() {
        Application app(test::TestEnvironment::document());
        QVERIFY(app.showMainWindow());
        MainWindow* frame = app.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        DesignView& view = *frame->view();
        test::ClickView(view, test::SegmentPoint(view.model(), view.layout(), 5));
        QCOMPARE(view.model().FillHistory.size(), size_t(1));
        QTest::keySequence(frame, QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(view.model().FillHistory.size(), size_t(0));
        QCOMPARE(view.model().SegmentTable[5].SegmentColorName, std::string("blank"));
    }

    void viewIsPaintedWhenTheFrameIsShown() {
        Application app(test::TestEnvironment::document());
        QVERIFY(app.showMainWindow());
        QVERIFY(QTest::qWaitForWindowExposed(app.mainWindow()));
        const QImage& shown = app.mainWindow()->view()->lastPaintedImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.size(), app.mainWindow()->view()->size());
    }

    void commandsAreOfferedToTheViewFirst() {
        Application app(test::TestEnvironment::document());
        QVERIFY(app.showMainWindow());
        MainWindow* frame = app.mainWindow();
        QStringList calls;
        const int probe = 40000;
        app.commands().add(probe, [&] { calls << "app"; });
        frame->commands().add(probe, [&] { calls << "frame"; });
        QVERIFY(frame->runCommand(probe));
        frame->view()->commands().add(probe, [&] { calls << "view"; });
        QVERIFY(frame->runCommand(probe));
        QCOMPARE(calls, (QStringList{"frame", "view"}));
        // A command nobody handles does nothing and is shown disabled.
        QVERIFY(!frame->runCommand(cmd::EditPaste));
        QVERIFY(!frame->router().isEnabled(cmd::EditPaste));
    }

    void placementIsKeptBetweenRuns() {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect left(free.topLeft() + QPoint(40, 50), free.size() * 3 / 5);
        {
            Application app(test::TestEnvironment::document());
            QVERIFY(app.showMainWindow());
            // On the first start the window takes three quarters of the free area, centred.
            QCOMPARE(app.mainWindow()->geometry(),
                     QRect(free.x() + free.width() / 8, free.y() + free.height() / 8,
                           free.width() * 3 / 4, free.height() * 3 / 4));
            app.mainWindow()->setGeometry(left);
            app.mainWindow()->close();
        }
        Application again(test::TestEnvironment::document());
        QVERIFY(again.showMainWindow());
        QCOMPARE(again.mainWindow()->geometry(), left);
    }

    // Two screens side by side, the right one with a panel at its top.
    void savedPlacementIsFittedToTheScreens_data() {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("inside the left screen")
            << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
        QTest::newRow("mostly on the right screen, under its panel")
            << QRect(1800, 10, 900, 700) << QRect(1920, 32, 900, 700);
        QTest::newRow("past the bottom") << QRect(300, 900, 800, 600) << QRect(300, 440, 800, 600);
        QTest::newRow("larger than the free area")
            << QRect(2000, 0, 3000, 2000) << QRect(1920, 32, 2560, 1408);
        QTest::newRow("on a screen that has gone")
            << QRect(4600, 200, 800, 600) << QRect(240, 130, 1440, 780);
        QTest::newRow("above every screen")
            << QRect(0, -900, 800, 600) << QRect(240, 130, 1440, 780);
        QTest::newRow("empty") << QRect() << QRect(240, 130, 1440, 780);
    }

    void savedPlacementIsFittedToTheScreens() {
        QFETCH(QRect, saved);
        QFETCH(QRect, placed);
        const QList<ScreenArea> screens = {
            {QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)},
            {QRect(1920, 0, 2560, 1440), QRect(1920, 32, 2560, 1408)},
        };
        QCOMPARE(WindowPlacement::choose(saved, screens), placed);
    }

    // The status bar's visibility comes back with the toolbars, and the View
    // menu marks it and the cut list panel while they show.
    void viewMenuMarksComeBackAfterRestart() {
        {
            Application app(test::TestEnvironment::document());
            QVERIFY(app.showMainWindow());
            MainWindow* frame = app.mainWindow();
            QAction* statusBarItem = frame->menuAction(cmd::StatusBar);
            QAction* cutListItem = frame->menuAction(cmd::ViewCutList);
            QVERIFY(statusBarItem->isCheckable() && statusBarItem->isChecked());
            QVERIFY(cutListItem->isCheckable() && !cutListItem->isChecked());
            cutListItem->trigger();
            QVERIFY(cutListItem->isChecked());
            statusBarItem->trigger();
            QVERIFY(!frame->statusBar()->isVisible());
            QVERIFY(!statusBarItem->isChecked());
            frame->close();
        }
        Application again(test::TestEnvironment::document());
        QVERIFY(again.showMainWindow());
        MainWindow* frame = again.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QVERIFY(!frame->statusBar()->isVisible());
        QVERIFY(!frame->menuAction(cmd::StatusBar)->isChecked());
        QVERIFY(frame->cutListPanel()->isVisible());
        QVERIFY(frame->menuAction(cmd::ViewCutList)->isChecked());
        // Closing the panel by its own button clears the mark when the menu opens.
        frame->cutListPanel()->close();
        auto* viewMenu = qobject_cast<QMenu*>(frame->menuAction(cmd::ViewCutList)->parent());
        viewMenu->popup(frame->mapToGlobal(QPoint(20, 20)));
        QVERIFY(!frame->menuAction(cmd::ViewCutList)->isChecked());
        viewMenu->close();
        frame->runCommand(cmd::StatusBar);
        QVERIFY(frame->statusBar()->isVisible());
    }

    // Cut, Copy, Paste and Help show the desktop theme's icons where it has
    // them (once the first frame is on the screen) and the program's own SVG
    // otherwise, drawn afresh at each scale.
    void toolbarIconsComeFromTheThemeOrTheProgram() {
        const QString themeDir = environment_.tempPath("icons/testtheme/16x16/actions");
        QVERIFY(QDir().mkpath(themeDir));
        QFile index(environment_.tempPath("icons/testtheme/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write(
            "[Icon Theme]\nName=testtheme\nDirectories=16x16/actions\n\n"
            "[16x16/actions]\nSize=16\nType=Fixed\n");
        index.close();
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(themeDir + "/edit-cut.png"));
        struct ThemeInUse {
            QStringList searchPaths = QIcon::themeSearchPaths();
            QString name = QIcon::themeName();
            ~ThemeInUse() {
                QIcon::setThemeName(name);
                QIcon::setThemeSearchPaths(searchPaths);
            }
        } previousTheme;
        QIcon::setThemeSearchPaths({environment_.tempPath("icons")});
        QIcon::setThemeName("testtheme");
        Application app(test::TestEnvironment::document());
        QVERIFY(app.showMainWindow());
        QToolBar* toolBar = app.mainWindow()->standardToolBar();

        const QList<QAction*> buttons = toolBar->actions();
        const auto middleOf = [](const QIcon& icon) {
            const QImage image = icon.pixmap(QSize(16, 15)).toImage();
            return image.pixelColor(image.width() / 2, image.height() / 2);
        };
        QTRY_COMPARE(middleOf(buttons[0]->icon()), QColor(Qt::red));
        for (int i : {1, 2, 4}) {
            const QIcon own = buttons[i]->icon();
            const QImage once = own.pixmap(QSize(16, 15), 1.0).toImage();
            QImage twice = own.pixmap(QSize(16, 15), 2.0).toImage();
            QCOMPARE(twice.size(), QSize(32, 30));
            QCOMPARE(twice.devicePixelRatio(), 2.0);
            QVERIFY(once.pixelColor(once.width() / 2, once.height() / 2) != QColor(Qt::red));
            QVERIFY(once.pixelColor(8, 7).alpha() > 0);
            // Drawn at 32 x 30, not the 16 x 15 picture blown up.
            twice.setDevicePixelRatio(1.0);
            const QImage drawn = own.pixmap(QSize(32, 30), 1.0).toImage();
            QCOMPARE(twice.convertToFormat(QImage::Format_ARGB32),
                     drawn.convertToFormat(QImage::Format_ARGB32));
            QVERIFY(twice != once.scaled(32, 30).convertToFormat(twice.format()));
        }
        QVERIFY(QTest::qWaitForWindowExposed(app.mainWindow()));
        QTRY_VERIFY(!app.mainWindow()->windowIcon().isNull());
        const QIcon window = app.mainWindow()->windowIcon();
        QCOMPARE(window.pixmap(QSize(64, 64), 2.0).size(), QSize(128, 128));
        QVERIFY(window.pixmap(QSize(64, 64)).toImage().pixelColor(32, 32).alpha() > 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
