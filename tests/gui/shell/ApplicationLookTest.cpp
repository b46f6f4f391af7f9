#include "AppSettings.h"
#include "Application.h"
#include "ApplicationLook.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "MainWindow.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"

#include <QActionGroup>
#include <QDir>
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
    return AppSettings().value(ApplicationLook::kSettingsKey).toInt();
}

// Colours of the bars where no button or text sits.
QList<QRgb> barColours(MainWindow& frame, const QImage& shot) {
    auto sample = [&](QWidget* bar) {
        const QPoint point = bar->mapTo(&frame, QPoint(bar->width() - 4, bar->height() / 2));
        return shot.pixel(point * shot.devicePixelRatio());
    };
    return {sample(frame.menuBar()), sample(frame.standardToolBar()), sample(frame.statusBar())};
}

}  // namespace

class ApplicationLookTest : public QObject {
    Q_OBJECT

    test::TestEnvironment environment_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
    std::unique_ptr<Application> app_;

    MainWindow& frame() { return *app_->mainWindow(); }

    void start() {
        app_ = std::make_unique<Application>(BowlModel::instance());
        QVERIFY(app_->InitInstance());
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
        QVERIFY(!AppSettings().contains(ApplicationLook::kSettingsKey));
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
        AppSettings().setValue(ApplicationLook::kSettingsKey, stored);
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
