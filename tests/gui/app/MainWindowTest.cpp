#include "AppSettings.h"
#include "Application.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignView.h"
#include "MainWindow.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

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
        Application app(BowlModel::instance());
        QVERIFY(app.InitInstance());
        MainWindow* frame = app.mainWindow();
        QVERIFY(frame->windowTitle().startsWith("Corvane - find this program at "));
        QVERIFY(frame->windowTitle().size() > 31);
        QVERIFY(!frame->windowIcon().isNull());

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
            if (label != frame->messagePane()) {
                indicators << label->text();
            }
        }
        QCOMPARE(indicators, (QStringList{"CAP", "NUM", "SCRL"}));
    }

    void viewIsPaintedWhenTheFrameIsShown() {
        Application app(BowlModel::instance());
        QVERIFY(app.InitInstance());
        QVERIFY(QTest::qWaitForWindowExposed(app.mainWindow()));
        const QImage& shown = app.mainWindow()->view()->lastPaintedImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.size(), app.mainWindow()->view()->size());
    }

    void commandsAreOfferedToTheViewFirst() {
        Application app(BowlModel::instance());
        QVERIFY(app.InitInstance());
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
        {
            Application app(BowlModel::instance());
            QVERIFY(app.InitInstance());
            app.mainWindow()->setGeometry(QRect(40, 50, 910, 640));
            app.mainWindow()->close();
        }
        AppSettings settings;
        QVERIFY(settings.contains("MainWindowGeometry"));
        Application again(BowlModel::instance());
        QVERIFY(again.InitInstance());
        QCOMPARE(again.mainWindow()->size(), QSize(910, 640));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
