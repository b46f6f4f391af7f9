#include "AppSettings.h"
#include "Application.h"
#include "ApplicationLook.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "LockIndicators.h"
#include "MainWindow.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"

#include <QActionGroup>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace corvane;

namespace {

const QList<int> kMenuLooks = {205, 206, 207, 208, 209, 210, 215, 216, 217, 218};

// Looks whose menu item carries the radio mark.
QList<int> markedLooks(const MainWindow& frame) {
    QList<int> marked;
    for (int id : kMenuLooks) {
        if (frame.menuAction(id)->isChecked()) {
            marked << id;
        }
    }
    return marked;
}

int storedLook() {
    return AppSettings().value(SettingsKeys::ApplicationLook).toInt();
}

// Colours of the bars where no button or text sits.
QList<QRgb> barColours(MainWindow& frame, const QImage& shot) {
    auto sample = [&](QWidget* bar) {
        const QPoint point = bar->mapTo(&frame, QPoint(bar->width() - 4, bar->height() / 2));
        return shot.pixel(point * shot.devicePixelRatio());
    };
    return {sample(frame.menuBar()), sample(frame.standardToolBar()), sample(frame.statusBar())};
}

// The colour at the middle of a widget's rectangle, as it is drawn.
// A point in an item's padding, so that it shows the item's fill and never
// the text (where glyphs fall depends on the fonts a machine has).
QColor colourAt(QWidget* widget, const QPoint& point) {
    const QImage shot = widget->grab().toImage();
    return shot.pixelColor(point * shot.devicePixelRatio());
}

QPoint besideText(const QRect& item, bool left) {
    return {left ? item.left() + 4 : item.right() - 8, item.center().y()};
}

bool isNear(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) <= 12 && qAbs(a.green() - b.green()) <= 12 &&
           qAbs(a.blue() - b.blue()) <= 12;
}

// How far the text of a pane stands out from the pane's background.
int textContrast(QLabel* pane) {
    const QImage shot = pane->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    const QRect inside = pane->contentsRect().adjusted(2, 2, -2, -2);
    const int background = qGray(shot.pixel(inside.topLeft() * scale));
    int contrast = 0;
    for (int y = int(inside.top() * scale); y < int(inside.bottom() * scale); ++y) {
        for (int x = int(inside.left() * scale); x < int(inside.right() * scale); ++x) {
            contrast = std::max(contrast, qAbs(qGray(shot.pixel(x, y)) - background));
        }
    }
    return contrast;
}

}  // namespace

class ApplicationLookTest : public QObject {
    Q_OBJECT

    test::TestEnvironment environment_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
    std::unique_ptr<Application> app_;

    MainWindow& frame() { return *app_->mainWindow(); }

    void start() {
        app_ = std::make_unique<Application>(test::TestEnvironment::document());
        QVERIFY(app_->showMainWindow());
    }

    void restart() {
        frame().close();
        app_.reset();
        start();
    }

    void verifyShowing(int lookId) {
        const LookTheme theme = ApplicationLook::themeFor(lookId);
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 theme.palette.color(QPalette::Window));
        QCOMPARE(QApplication::palette().color(QPalette::Highlight),
                 theme.palette.color(QPalette::Highlight));
        QCOMPARE(frame().menuBar()->styleSheet(), theme.barStyleSheet);
        QCOMPARE(frame().standardToolBar()->styleSheet(), theme.barStyleSheet);
        QCOMPARE(frame().statusBar()->styleSheet(), theme.barStyleSheet);
        QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    }

private slots:
    void init() {
        QSettings().clear();
        test::TestEnvironment::resetModel();
        dialogs_ = std::make_unique<test::ScriptedDialogs>();
    }

    void cleanup() {
        QCOMPARE(dialogs_->unexpected, 0);
        app_.reset();
        dialogs_.reset();
    }

    void firstStartIsAquaAndWritesIt() {
        QVERIFY(!AppSettings().contains(SettingsKeys::ApplicationLook));
        start();
        QCOMPARE(storedLook(), 218);
        QCOMPARE(app_->applicationLook(), 218);
        QCOMPARE(markedLooks(frame()), QList<int>{218});
        QCOMPARE(frame().menuAction(218)->text(), QStringLiteral("&Aqua Style"));
        QVERIFY(frame().menuAction(218)->actionGroup()->isExclusive());
        verifyShowing(218);
    }

    void chosenLookComesBackAfterRestart() {
        start();
        QAction* officeXp = frame().menuAction(206);
        QCOMPARE(officeXp->text(), QStringLiteral("Office &XP"));
        QVERIFY(officeXp->isEnabled());
        officeXp->trigger();
        QCOMPARE(storedLook(), 206);
        QCOMPARE(markedLooks(frame()), QList<int>{206});
        QVERIFY(QApplication::overrideCursor() == nullptr);

        restart();
        QCOMPARE(app_->applicationLook(), 206);
        QCOMPARE(markedLooks(frame()), QList<int>{206});
        verifyShowing(206);
        QCOMPARE(storedLook(), 206);
    }

    void storedLooksWithoutAMenuItem_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("shown");
        QTest::newRow("Windows 7") << QVariant(219) << 219 << 219;
        QTest::newRow("212") << QVariant(212) << 212 << ApplicationLook::office2007Style();
        QTest::newRow("unknown id") << QVariant(4711) << 4711 << ApplicationLook::office2007Style();
        QTest::newRow("not a number") << QVariant("aqua") << 218 << 218;
    }

    void storedLooksWithoutAMenuItem() {
        QFETCH(QVariant, stored);
        QFETCH(int, written);
        QFETCH(int, shown);
        // A value of any type, as a hand-edited settings file may hold.
        AppSettings().store().setValue(SettingsKeys::ApplicationLook.name, stored);
        start();
        QCOMPARE(storedLook(), written);
        QCOMPARE(app_->applicationLook(), written);
        QCOMPARE(markedLooks(frame()), written == 218 ? QList<int>{218} : QList<int>{});
        verifyShowing(shown);
    }

    void lookOutsideTheTableKeepsTheOffice2007Style() {
        start();
        frame().runCommand(216);
        QCOMPARE(ApplicationLook::office2007Style(), 216);
        QVERIFY(frame().runCommand(212));
        QCOMPARE(storedLook(), 212);
        QCOMPARE(ApplicationLook::themeFor(212).lookId, 216);
        verifyShowing(216);
        QVERIFY(markedLooks(frame()).isEmpty());
        frame().runCommand(207);
        QCOMPARE(ApplicationLook::themeFor(212).lookId, 216);
    }

    // Pop-up menus wear the look's colours: its menu background and the
    // same highlight as the bar's open menu. The lock panes, whose states
    // this platform cannot tell, are greyed in every look, never lit.
    void menusAndLockPanesFollowTheLook_data() {
        QTest::addColumn<int>("look");
        QTest::addColumn<QColor>("menuBackground");
        QTest::addColumn<QColor>("highlight");  // invalid: the bar's, whatever it is
        QTest::newRow("Windows 2000") << 205 << QColor("#D4D0C8") << QColor("#0A246A");
        QTest::newRow("Office XP") << 206 << QColor("#FCFCF9") << QColor();
        QTest::newRow("Windows XP") << 207 << QColor("#FFFFFF") << QColor();
        // Blue bars, an orange highlight on the bar and in the menus alike.
        QTest::newRow("Office 2003") << 208 << QColor("#F6F6F6") << QColor(255, 226, 174);
        QTest::newRow("Visual Studio 2005") << 209 << QColor("#FCFCF9") << QColor();
        QTest::newRow("Visual Studio 2008") << 210 << QColor("#F5F6F8") << QColor();
        QTest::newRow("Office 2007 blue") << 215 << QColor("#FAFAFA") << QColor();
        QTest::newRow("Office 2007 black") << 216 << QColor("#FAFAFA") << QColor();
        QTest::newRow("Office 2007 silver") << 217 << QColor("#FAFAFA") << QColor();
        QTest::newRow("Office 2007 aqua") << 218 << QColor("#FAFCFD") << QColor();
        QTest::newRow("Windows 7") << 219 << QColor("#F5F5F5") << QColor();
    }

    void menusAndLockPanesFollowTheLook() {
        QFETCH(int, look);
        QFETCH(QColor, menuBackground);
        QFETCH(QColor, highlight);
        start();
        frame().resize(900, 640);
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        QVERIFY(frame().runCommand(look));

        QMenuBar* bar = frame().menuBar();
        QAction* statusBarItem = frame().menuAction(cmd::StatusBar);
        auto* menu = qobject_cast<QMenu*>(statusBarItem->parent());
        QAction* viewTitle = menu->menuAction();
        bar->setActiveAction(viewTitle);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(statusBarItem);
        const QColor onBar = colourAt(bar, besideText(bar->actionGeometry(viewTitle), true));
        const QColor inMenu =
            colourAt(menu, besideText(menu->actionGeometry(statusBarItem), false));
        const QRect cutList = menu->actionGeometry(frame().menuAction(cmd::ViewCutList));
        const QColor plain = colourAt(menu, besideText(cutList, false));
        menu->close();
        QVERIFY2(isNear(inMenu, onBar), qPrintable(inMenu.name() + " / " + onBar.name()));
        if (highlight.isValid()) {
            QVERIFY2(isNear(inMenu, highlight), qPrintable(inMenu.name()));
        }
        QCOMPARE(plain, menuBackground);

        QList<QLabel*> panes = {frame().lockIndicators()->capsLock(),
                                frame().lockIndicators()->numLock(),
                                frame().lockIndicators()->scrollLock()};
        for (QLabel* pane : panes) {
            QVERIFY(!pane->isEnabled());
            const int greyed = textContrast(pane);
            pane->setEnabled(true);
            const int lit = textContrast(pane);
            pane->setEnabled(false);
            QVERIFY2(
                greyed > 0 && greyed < lit * 3 / 4,
                qPrintable(QStringLiteral("%1: %2 / %3").arg(pane->text()).arg(greyed).arg(lit)));
        }
    }

    // Each look must be told apart at a glance: whole pictures differ, and so
    // do the colours of the menu bar, toolbar and status bar together.
    void everyLookLooksDifferent() {
        start();
        frame().resize(900, 640);
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        const QString shotDir = qEnvironmentVariable("CORVANE_LOOK_SHOTS");
        QList<QImage> shots;
        QList<QList<QRgb>> colours;
        QList<int> looks = kMenuLooks;
        looks << 219;
        for (int id : looks) {
            QVERIFY(frame().runCommand(id));
            const QImage shot = frame().grab().toImage();
            shots << shot;
            colours << barColours(frame(), shot);
            if (!shotDir.isEmpty()) {
                QDir().mkpath(shotDir);
                const QString name = ApplicationLook::themeFor(id)
                                         .family.replace(QRegularExpression("[^A-Za-z0-9]+"), "-")
                                         .remove(QRegularExpression("-$"));
                shot.save(QDir(shotDir).filePath(QStringLiteral("%1-%2.png").arg(id).arg(name)));
            }
        }
        for (qsizetype a = 0; a < looks.size(); ++a) {
            for (qsizetype b = a + 1; b < looks.size(); ++b) {
                const QString pair = QStringLiteral("%1 and %2").arg(looks[a]).arg(looks[b]);
                QVERIFY2(shots[a] != shots[b], qPrintable(pair));
                QVERIFY2(colours[a] != colours[b], qPrintable(pair));
            }
        }
    }
};

QTEST_MAIN(ApplicationLookTest)
#include "ApplicationLookTest.moc"
