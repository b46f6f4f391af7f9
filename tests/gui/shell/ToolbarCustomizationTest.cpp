#include "AppSettings.h"
#include "Application.h"
#include "BowlModel.h"
#include "CommandIds.h"
#include "CustomizeDialog.h"
#include "DesignDocument.h"
#include "MainWindow.h"
#include "MenuLayout.h"
#include "PipeWatchdog.h"
#include "ScriptedDialogs.h"
#include "StatusPane.h"
#include "TestEnvironment.h"
#include "ToolbarCustomization.h"
#include "UserImages.h"

#include <QBuffer>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using namespace corvane;

namespace {

constexpr int kAsh = 32803;
constexpr int kMaple = 32793;
constexpr int kTeak = 32799;
constexpr int kWalnut = 32800;
constexpr QRgb kFirstImageColour = 0xFF2050A0;
constexpr QRgb kSecondImageColour = 0xFFA02050;

QAction* buttonFor(QToolBar* toolBar, int commandId) {
    for (QAction* action : toolBar->actions()) {
        if (action->data().toInt() == commandId) {
            return action;
        }
    }
    return nullptr;
}

// Two 16 x 15 images side by side, padded with zeros to the given size
// (bitmap readers stop at the end of the pixel data).
QByteArray bitmapFile(qint64 paddedSize) {
    QImage strip(32, 15, QImage::Format_RGB32);
    strip.fill(kFirstImageColour);
    for (int y = 0; y < 15; ++y) {
        for (int x = 16; x < 32; ++x) {
            strip.setPixel(x, y, kSecondImageColour);
        }
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "BMP");
    QByteArray bytes = buffer.data();
    if (paddedSize > bytes.size()) {
        bytes.append(QByteArray(paddedSize - bytes.size(), '\0'));
    }
    return bytes;
}

QRgb centreOf(const QIcon& icon) {
    return icon.pixmap(QSize(16, 15)).toImage().pixel(8, 7);
}

// The button's own press and release, as the mouse grab delivers them,
// with Alt held or not; the release happens over `target` (global).
void dragButton(QToolBar* toolBar, QAction* action, QPoint target, Qt::KeyboardModifiers keys) {
    QWidget* button = toolBar->widgetForAction(action);
    QTest::mousePress(button, Qt::LeftButton, keys, button->rect().center());
    QTest::mouseRelease(button, Qt::LeftButton, keys, button->mapFromGlobal(target));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QPoint rightPartOf(QToolBar* toolBar, QAction* action) {
    const QRect box = toolBar->actionGeometry(action);
    return toolBar->mapToGlobal(QPoint(box.right() - 2, box.center().y()));
}

QPoint leftPartOf(QToolBar* toolBar, QAction* action) {
    const QRect box = toolBar->actionGeometry(action);
    return toolBar->mapToGlobal(QPoint(box.left() + 2, box.center().y()));
}

int menuItemCount() {
    int count = 0;
    for (const MenuEntry& entry : MenuLayout()) {
        count += entry.kind == MenuEntryKind::Item ? 1 : 0;
    }
    return count;
}

// A drag that enters a widget and is dropped there; false when the widget
// refuses it on entry.
bool dropOn(QWidget* target, QPoint position, const QMimeData* data) {
    QDragEnterEvent enter(position, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(position, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

QList<int> listedCommands(const QListWidget* list) {
    QList<int> ids;
    for (int row = 0; row < list->count(); ++row) {
        ids << list->item(row)->data(Qt::UserRole).toInt();
    }
    return ids;
}

}  // namespace

class ToolbarCustomizationTest : public QObject {
    Q_OBJECT

    test::TestEnvironment environment_;
    QTemporaryDir workDir_;
    QString startDir_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
    std::unique_ptr<Application> app_;

    MainWindow& frame() { return *app_->mainWindow(); }
    ToolbarCustomization& toolbars() { return frame().toolbarCustomization(); }
    const BowlModel& model() { return test::TestEnvironment::document().model(); }

    void start() {
        app_ = std::make_unique<Application>(test::TestEnvironment::document());
        QVERIFY(app_->showMainWindow());
        frame().resize(1000, 700);
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
    }

    void restart() {
        frame().close();
        app_.reset();
        start();
    }

    QToolBar* userToolBarWith(const QString& name, const QList<int>& commands) {
        QToolBar* toolBar = toolbars().createUserToolBar(name);
        for (int id : commands) {
            toolbars().insertCommand(toolBar, id);
        }
        QCoreApplication::processEvents();
        return toolBar;
    }

    template <typename T>
    T* inDialog(const char* name) {
        return frame().customizeDialog()->findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase() {
        QVERIFY(workDir_.isValid());
        startDir_ = QDir::currentPath();
    }

    void init() {
        QSettings().clear();
        test::TestEnvironment::resetModel();
        dialogs_ = std::make_unique<test::ScriptedDialogs>();
        QDir::setCurrent(workDir_.path());
        QFile::remove(workDir_.filePath("UserImages.bmp"));
    }

    void cleanup() {
        QCOMPARE(dialogs_->unexpected, 0);
        app_.reset();
        dialogs_.reset();
        QDir::setCurrent(startDir_);
    }

    void userToolbarSurvivesARestart() {
        start();
        QToolBar* made = userToolBarWith("Woods", {kMaple, kTeak});
        frame().addToolBar(Qt::LeftToolBarArea, made);
        restart();

        const QList<QToolBar*> users = toolbars().userToolBars();
        QCOMPARE(users.size(), 1);
        QCOMPARE(users[0]->windowTitle(), QStringLiteral("Woods"));
        QCOMPARE(toolbars().commandsOf(users[0]), (QList<int>{kMaple, kTeak}));
        QCOMPARE(frame().toolBarArea(users[0]), Qt::LeftToolBarArea);
        QCOMPARE(users[0]->actions().last()->data().toInt(), cmd::Customize);
        QCOMPARE(users[0]->actions().last()->text(), QStringLiteral("Customize..."));
        QVERIFY(users[0]->isVisible());
    }

    void userToolbarButtonRunsTheMenuHandler() {
        start();
        QToolBar* toolBar = userToolBarWith("Woods", {kMaple, 208});

        frame().menuAction(kMaple)->trigger();
        const Argb fromMenu = model().FillColor;
        const QString statusFromMenu = StatusPane::text();
        frame().menuAction(kWalnut)->trigger();
        QVERIFY(model().FillColor != fromMenu);

        buttonFor(toolBar, kMaple)->trigger();
        QCOMPARE(model().FillColor, fromMenu);
        QCOMPARE(StatusPane::text(), statusFromMenu);

        QAction* lookButton = buttonFor(toolBar, 208);
        lookButton->trigger();
        QCOMPARE(app_->applicationLook(), 208);
        QVERIFY(frame().menuAction(208)->isChecked());
        QVERIFY(!frame().menuAction(218)->isChecked());
        QVERIFY(lookButton->isChecked());
    }

    void userImagesFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("used");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("one byte too large") << bitmapFile(UserImages::kMaxFileSize + 1) << false;
        QTest::newRow("not a bitmap") << QByteArray("not a bitmap at all") << false;
        QTest::newRow("exactly the largest size") << bitmapFile(UserImages::kMaxFileSize) << true;
        QTest::newRow("small") << bitmapFile(0) << true;
    }

    void userImagesFile() {
        QFETCH(QByteArray, file);
        QFETCH(bool, used);
        if (!file.isEmpty()) {
            QFile out(workDir_.filePath("UserImages.bmp"));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        start();
        const QList<int> standard = toolbars().commandsOf(frame().standardToolBar());
        QToolBar* toolBar = userToolBarWith("Woods", {kMaple, 0, kTeak});
        QCOMPARE(toolbars().userImages().isLoaded(), used);
        const QIcon first = buttonFor(toolBar, kMaple)->icon();
        const QIcon second = buttonFor(toolBar, kTeak)->icon();
        if (used) {
            QCOMPARE(centreOf(first), kFirstImageColour);
            QCOMPARE(centreOf(second), kSecondImageColour);
        } else {
            // Without images the buttons show their texts, as they would
            // with no file at all.
            QVERIFY(first.isNull());
            QVERIFY(second.isNull());
        }
        QCOMPARE(toolbars().commandsOf(frame().standardToolBar()), standard);
        QVERIFY(!buttonFor(frame().standardToolBar(), cmd::HelpForCorvane)->icon().isNull());
    }

    // A pipe or a folder of that name is no bitmap: the window comes up at
    // once, without user images.
    void userImagesThatIsNoFileIsIgnored() {
        const QByteArray name = QFile::encodeName(workDir_.filePath("UserImages.bmp"));
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        {
            test::PipeWatchdog watchdog(name, 10);
            start();
            QVERIFY(!watchdog.fired());
        }
        QVERIFY(!toolbars().userImages().isLoaded());
        QVERIFY(QFile::remove(workDir_.filePath("UserImages.bmp")));
        QVERIFY(QDir(workDir_.path()).mkdir("UserImages.bmp"));
        restart();
        QVERIFY(!toolbars().userImages().isLoaded());
        QVERIFY(QDir(workDir_.path()).rmdir("UserImages.bmp"));
        QCOMPARE(dialogs_->messages, QStringList());
    }

    void altDragMovesButtonsAndTheOrderIsKept() {
        start();
        QToolBar* woods = userToolBarWith("Woods", {kMaple, kTeak, kAsh});
        QToolBar* standard = frame().standardToolBar();
        const Argb fillColor = model().FillColor;

        dragButton(woods, buttonFor(woods, kMaple), rightPartOf(woods, buttonFor(woods, kTeak)),
                   Qt::AltModifier);
        QCOMPARE(toolbars().commandsOf(woods), (QList<int>{kTeak, kMaple, kAsh}));
        QCOMPARE(model().FillColor, fillColor);  // picked up, not run

        dragButton(woods, buttonFor(woods, kAsh),
                   leftPartOf(standard, buttonFor(standard, cmd::HelpForCorvane)), Qt::AltModifier);
        QCOMPARE(toolbars().commandsOf(woods), (QList<int>{kTeak, kMaple}));
        QCOMPARE(toolbars().commandsOf(standard),
                 (QList<int>{cmd::EditCut, cmd::EditCopy, cmd::EditPaste, 0, kAsh,
                             cmd::HelpForCorvane}));

        // Without Alt a press is an ordinary click.
        dragButton(woods, buttonFor(woods, kTeak), rightPartOf(woods, buttonFor(woods, kMaple)),
                   Qt::NoModifier);
        QCOMPARE(toolbars().commandsOf(woods), (QList<int>{kTeak, kMaple}));

        restart();
        QCOMPARE(toolbars().commandsOf(toolbars().userToolBars().value(0)),
                 (QList<int>{kTeak, kMaple}));
        QCOMPARE(toolbars().commandsOf(frame().standardToolBar()),
                 (QList<int>{cmd::EditCut, cmd::EditCopy, cmd::EditPaste, 0, kAsh,
                             cmd::HelpForCorvane}));
    }

    void customizeOpensModelessWithTheMenuCommands() {
        start();
        buttonFor(frame().standardToolBar(), cmd::Customize)->trigger();
        CustomizeDialog* dialog = frame().customizeDialog();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->parentWidget(), &frame());

        auto* commands = inDialog<QListWidget>("commandList");
        QCOMPARE(commands->count(), menuItemCount());
        QVERIFY(!commands->findItems("Office 2003", Qt::MatchExactly).isEmpty());
        auto* categories = inDialog<QComboBox>("categories");
        categories->setCurrentText("Basic Commands");
        QCOMPARE(listedCommands(commands), (QList<int>{57665, 57635, 57637, 57643, 57664, 59393,
                                                       59392, 208, 209, 215, 217, 216, 218, 219}));

        dialog->close();
        QVERIFY(frame().menuAction(cmd::Customize)->isEnabled());
        frame().menuAction(cmd::Customize)->trigger();
        QVERIFY(dialog->isVisible());
        QCOMPARE(frame().customizeDialog(), dialog);

        dialog->close();
        std::unique_ptr<QMenu> paneMenu(frame().createPopupMenu());
        QCOMPARE(paneMenu->actions().last()->text(), QStringLiteral("Customize..."));
        paneMenu->actions().last()->trigger();
        QVERIFY(dialog->isVisible());
    }

    void dialogMakesRenamesAndDeletesUpToTenToolbars() {
        start();
        frame().runCommand(cmd::Customize);
        auto* newButton = inDialog<QPushButton>("newButton");
        auto* nameEdit = inDialog<QLineEdit>("nameEdit");
        nameEdit->setText("Woods");
        newButton->click();
        QCOMPARE(toolbars().userToolBars().size(), 1);
        QCOMPARE(toolbars().userToolBars()[0]->windowTitle(), QStringLiteral("Woods"));
        for (int i = 1; i < ToolbarCustomization::kMaxUserToolBars; ++i) {
            newButton->click();  // the field still names an existing toolbar
        }
        const QList<QToolBar*> users = toolbars().userToolBars();
        QCOMPARE(users.size(), 10);
        QCOMPARE(users[9]->windowTitle(), QStringLiteral("Custom 10"));
        QVERIFY(!newButton->isEnabled());
        QVERIFY(toolbars().createUserToolBar("Eleventh") == nullptr);
        for (QToolBar* toolBar : users) {
            QCOMPARE(toolBar->actions().last()->data().toInt(), cmd::Customize);
            QVERIFY(!toolBar->objectName().isEmpty());
        }

        frame().customizeDialog()->selectToolBar(users[3]);
        nameEdit->setText("Exotics");
        inDialog<QPushButton>("renameButton")->click();
        QCOMPARE(users[3]->windowTitle(), QStringLiteral("Exotics"));
        inDialog<QPushButton>("deleteButton")->click();
        QCOMPARE(toolbars().userToolBars().size(), 9);
        QVERIFY(newButton->isEnabled());

        // The standard toolbar can be filled but not renamed or deleted.
        frame().customizeDialog()->selectToolBar(frame().standardToolBar());
        QVERIFY(!inDialog<QPushButton>("renameButton")->isEnabled());
        QVERIFY(!inDialog<QPushButton>("deleteButton")->isEnabled());
    }

    void dialogAddsAndRemovesCommands() {
        start();
        QToolBar* toolBar = userToolBarWith("Woods", {});
        frame().runCommand(cmd::Customize);
        frame().customizeDialog()->selectToolBar(toolBar);
        auto* commands = inDialog<QListWidget>("commandList");
        auto* buttons = inDialog<QListWidget>("buttonList");

        commands->setCurrentItem(commands->findItems("Maple", Qt::MatchExactly).value(0));
        inDialog<QPushButton>("addButton")->click();
        QCOMPARE(toolbars().commandsOf(toolBar), QList<int>{kMaple});

        // A drag from the command list drops before the button under the mouse.
        const QModelIndex teak = commands->model()->index(
            commands->row(commands->findItems("Teak", Qt::MatchExactly).value(0)), 0);
        std::unique_ptr<QMimeData> dragged(commands->model()->mimeData({teak}));
        const QPoint overMaple = buttons->visualItemRect(buttons->item(0)).center();
        QVERIFY(dropOn(buttons->viewport(), overMaple, dragged.get()));
        QCOMPARE(toolbars().commandsOf(toolBar), (QList<int>{kTeak, kMaple}));
        QCOMPARE(buttons->count(), 2);

        QMimeData foreign;
        foreign.setText("32793");
        QVERIFY(!dropOn(buttons->viewport(), overMaple, &foreign));
        QCOMPARE(toolbars().commandsOf(toolBar), (QList<int>{kTeak, kMaple}));

        buttons->setCurrentRow(0);
        inDialog<QPushButton>("removeButton")->click();
        QCOMPARE(toolbars().commandsOf(toolBar), QList<int>{kMaple});
        QVERIFY(buttonFor(toolBar, kTeak) == nullptr);
    }

    // The store is a file the user can edit: damaged entries are skipped.
    void damagedSavedToolbarsAreSkipped() {
        QVariantMap outOfRange{{"Index", 12}, {"Name", "Far"}, {"Commands", QVariantList{kAsh}}};
        QVariantMap usable{
            {"Index", 2}, {"Name", "  "}, {"Commands", QVariantList{kMaple, 99999, "x", 0, kTeak}}};
        QVariantMap sameIndex{{"Index", 2}, {"Name", "Twin"}, {"Commands", QVariantList{kAsh}}};
        QVariantMap noIndex{{"Index", "two"}, {"Name", "Odd"}};
        {
            AppSettings settings;
            settings.setValue(
                SettingsKeys::UserToolbars,
                QVariantList{outOfRange, usable, sameIndex, QString("junk"), noIndex});
            settings.setValue(SettingsKeys::StandardToolbar,
                              QVariantList{cmd::HelpForCorvane, 12345});
        }
        start();
        const QList<QToolBar*> users = toolbars().userToolBars();
        QCOMPARE(users.size(), 1);
        QCOMPARE(users[0]->windowTitle(), QStringLiteral("Custom 3"));
        QCOMPARE(toolbars().commandsOf(users[0]), (QList<int>{kMaple, 0, kTeak}));
        QCOMPARE(toolbars().commandsOf(frame().standardToolBar()), QList<int>{cmd::HelpForCorvane});
    }
};

QTEST_MAIN(ToolbarCustomizationTest)
#include "ToolbarCustomizationTest.moc"
