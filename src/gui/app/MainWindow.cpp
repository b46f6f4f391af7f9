#include "MainWindow.h"

#include "AfterFirstFrame.h"
#include "AppIcon.h"
#include "AppSettings.h"
#include "AppTexts.h"
#include "CommandCatalog.h"
#include "CommandIds.h"
#include "CustomizeDialog.h"
#include "CutListCommands.h"
#include "CutListPanel.h"
#include "DesignFileCommands.h"
#include "DesignView.h"
#include "LockIndicators.h"
#include "MenuLayout.h"
#include "PreviewDock.h"
#include "ProfileDock.h"
#include "StatusPane.h"
#include "ToolbarCustomization.h"
#include "UnsavedChangesGuard.h"
#include "ViewCommands.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <cmath>
#include <vector>

namespace corvane {

namespace {

MainWindow* currentFrame = nullptr;

struct Accelerator {
    QKeySequence keys;
    int commandId;
};

const std::vector<Accelerator>& accelerators() {
    static const std::vector<Accelerator> table = {
        {QKeySequence(Qt::CTRL | Qt::Key_C), cmd::EditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::EditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_V), cmd::EditPaste},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::EditPaste},
        {QKeySequence(Qt::CTRL | Qt::Key_X), cmd::EditCut},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::EditCut},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), cmd::EditUndo},
        {QKeySequence(Qt::Key_F6), cmd::NextPane},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), cmd::PrevPane},
    };
    return table;
}

}  // namespace

MainWindow::MainWindow(DesignDocument& document, const CommandTarget* applicationCommands,
                       QWidget* parent)
    : QMainWindow(parent) {
    currentFrame = this;
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QString::fromLatin1(kCaption));
    // The window's icon goes to the window manager, not into the window, and
    // the toolbar shows the program's own images until then: looking icons
    // up in the icon theme and drawing them at every size it offers waits
    // until the first frame is on the screen.
    AfterFirstFrame::run(*this, [this] {
        setWindowIcon(AppIcon());
        UseThemeToolbarIcons();
        toolbars_->refreshAllImages();
    });

    auto* edge = new QFrame(this);
    edge->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QGridLayout(edge);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view_ = new DesignView(document, edge);
    layout->addWidget(view_, 0, 0);
    layout->addWidget(view_->verticalScrollBar(), 0, 1);
    layout->addWidget(view_->horizontalScrollBar(), 1, 0);
    setCentralWidget(edge);

    InstallViewCommands(*view_);
    designFiles_ = new DesignFileCommands(*view_);
    unsavedChangesGuard_ = new UnsavedChangesGuard(*view_, *designFiles_);
    buildCutListPanel();
    buildPreviewDock();
    buildProfileDock();
    router_.setTargets({&view_->commands(), &commands_, applicationCommands});
    addFrameCommands();
    buildMenuBar();
    buildToolBar();
    buildStatusBar();
    setUpCustomization();
    updateCommandStates();
}

MainWindow::~MainWindow() {
    if (currentFrame == this) {
        currentFrame = nullptr;
    }
}

MainWindow* MainWindow::current() {
    return currentFrame;
}

QAction* MainWindow::makeCommandAction(int id, const QString& text, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    commandActions_.append(action);
    return action;
}

QAction* MainWindow::createCommandAction(int commandId, QObject* parent) {
    QAction* action = makeCommandAction(commandId, CommandCatalog::textOf(commandId), parent);
    action->setCheckable(isCheckable(commandId));
    action->setEnabled(router_.isEnabled(commandId));
    action->setChecked(action->isCheckable() && router_.isChecked(commandId));
    return action;
}

// A look without a menu item still has its radio mark in the group.
bool MainWindow::isCheckable(int commandId) const {
    return router_.isCheckable(commandId) ||
           (commandId >= cmd::LookFirst && commandId <= cmd::LookLast);
}

// Buttons show their state at once rather than the next time a menu opens.
bool MainWindow::runCommand(int commandId) {
    const bool handled = router_.dispatch(commandId);
    updateCommandStates();
    return handled;
}

QAction* MainWindow::menuAction(int commandId) const {
    return menuActions_.value(commandId);
}

void MainWindow::updateCommandStates() {
    // Toolbar buttons come and go with customization.
    commandActions_.removeIf([](const QPointer<QAction>& action) { return action.isNull(); });
    for (QAction* action : std::as_const(commandActions_)) {
        const int id = action->data().toInt();
        action->setEnabled(router_.isEnabled(id));
        if (action->isCheckable()) {
            action->setChecked(router_.isChecked(id));
        }
    }
}

void MainWindow::buildMenuBar() {
    QMenuBar* bar = menuBar();
    std::vector<QMenu*> open;
    // The looks show radio marks; none is marked for a look without an item.
    auto* looks = new QActionGroup(this);
    looks->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const MenuEntry& entry : MenuLayout()) {
        switch (entry.kind) {
            case MenuEntryKind::Menu:
                open.push_back(bar->addMenu(QString::fromLatin1(entry.text)));
                connect(open.back(), &QMenu::aboutToShow, this, &MainWindow::updateCommandStates);
                break;
            case MenuEntryKind::Submenu:
                open.push_back(open.back()->addMenu(QString::fromLatin1(entry.text)));
                connect(open.back(), &QMenu::aboutToShow, this, &MainWindow::updateCommandStates);
                break;
            case MenuEntryKind::End:
                open.pop_back();
                break;
            case MenuEntryKind::Separator:
                // Qt drops a separator that opens a menu unless told to keep it.
                if (open.back()->actions().isEmpty()) {
                    open.back()->setSeparatorsCollapsible(false);
                }
                open.back()->addSeparator();
                break;
            case MenuEntryKind::ToolbarList:
                fillToolbarList(open.back());
                break;
            case MenuEntryKind::Item: {
                QAction* action =
                    makeCommandAction(entry.id, QString::fromLatin1(entry.text), open.back());
                action->setCheckable(isCheckable(entry.id));
                if (const char* keys = MenuShortcutOf(entry.id)) {
                    action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(keys)));
                }
                if (entry.id >= cmd::LookFirst && entry.id <= cmd::LookLast) {
                    looks->addAction(action);
                }
                open.back()->addAction(action);
                menuActions_.insert(entry.id, action);
                break;
            }
        }
    }
    for (const Accelerator& accelerator : accelerators()) {
        QAction* action = makeCommandAction(accelerator.commandId, QString(), this);
        action->setShortcut(accelerator.keys);
        addAction(action);
    }
}

// The list of toolbars is made when the submenu opens, so that toolbars
// created later appear in it too.
void MainWindow::fillToolbarList(QMenu* menu) {
    QAction* placeholder = menu->addSeparator();
    connect(menu, &QMenu::aboutToShow, this, [this, menu, placeholder] {
        for (QAction* action : menu->actions()) {
            if (action == placeholder) {
                break;
            }
            menu->removeAction(action);
        }
        QList<QAction*> toggles;
        for (QToolBar* toolBar : findChildren<QToolBar*>()) {
            toggles << toolBar->toggleViewAction();
        }
        menu->insertActions(placeholder, toggles);
    });
}

void MainWindow::buildToolBar() {
    standardToolBar_ = addToolBar(QStringLiteral("Standard"));
    standardToolBar_->setObjectName(QStringLiteral("Standard"));
    standardToolBar_->setIconSize(QSize(16, 15));
    struct Button {
        int id;
        const char* text;
        QString iconName;
    };
    const Button buttons[] = {{cmd::EditCut, "Cut", QStringLiteral("edit-cut")},
                              {cmd::EditCopy, "Copy", QStringLiteral("edit-copy")},
                              {cmd::EditPaste, "Paste", QStringLiteral("edit-paste")}};
    for (const Button& button : buttons) {
        QAction* action =
            makeCommandAction(button.id, QString::fromLatin1(button.text), standardToolBar_);
        action->setIcon(ToolbarIcon(button.id));
        standardToolBar_->addAction(action);
    }
    standardToolBar_->addSeparator();
    QAction* help = makeCommandAction(cmd::HelpForCorvane, QStringLiteral("Help for Corvane"),
                                      standardToolBar_);
    help->setIcon(ToolbarIcon(cmd::HelpForCorvane));
    standardToolBar_->addAction(help);
}

void MainWindow::buildStatusBar() {
    messagePane_ = new QLabel(QString::fromLatin1(kReadyText));
    messagePane_->setObjectName(QStringLiteral("messagePane"));
    statusBar()->addWidget(messagePane_, 1);
    zoomPane_ = new QLabel;
    zoomPane_->setObjectName(QStringLiteral("zoomPane"));
    statusBar()->addPermanentWidget(zoomPane_);
    const auto showZoom = [this](double zoom) {
        zoomPane_->setText(QStringLiteral("Zoom %1%").arg(std::lround(zoom * 100.0)));
    };
    connect(view_, &DesignView::zoomChanged, zoomPane_, showZoom);
    showZoom(view_->layout().Placement.zoom);
    lockIndicators_ = new LockIndicators(*statusBar());
    StatusPane::attach(messagePane_);
}

void MainWindow::addFrameCommands() {
    commands_.add(cmd::FileExit, [this] { close(); });
    commands_.add(cmd::StatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    commands_.setChecked(cmd::StatusBar, [this] { return statusBar()->isVisible(); });
}

// The cut list starts hidden; once shown, its place is kept with the toolbars.
void MainWindow::buildCutListPanel() {
    cutListPanel_ = new CutListPanel(*view_, this);
    addDockWidget(Qt::RightDockWidgetArea, cutListPanel_);
    cutListPanel_->hide();
    new CutListCommands(*view_, *cutListPanel_);
    addDockToggle(cmd::ViewCutList, cutListPanel_);
}

// The 3D preview starts hidden and is made when first shown; once shown, its
// place is kept with the toolbars.
void MainWindow::buildPreviewDock() {
    previewDock_ = new PreviewDock(*view_, cutListPanel_->settings(), this);
    addDockWidget(Qt::RightDockWidgetArea, previewDock_);
    previewDock_->hide();
    addDockToggle(cmd::ViewPreview3D, previewDock_);
}

// Like the 3D preview: hidden at first, made when first shown.
void MainWindow::buildProfileDock() {
    profileDock_ = new ProfileDock(*view_, cutListPanel_->settings(), this);
    addDockWidget(Qt::RightDockWidgetArea, profileDock_);
    profileDock_->hide();
    addDockToggle(cmd::ViewProfile, profileDock_);
}

void MainWindow::addDockToggle(int commandId, QDockWidget* dock) {
    commands_.add(commandId, [dock] { dock->setVisible(!dock->isVisible()); });
    commands_.setChecked(commandId, [dock] { return dock->isVisible(); });
}

void MainWindow::setUpCustomization() {
    toolbars_ = new ToolbarCustomization(
        *this, [this](int id, QObject* parent) { return createCommandAction(id, parent); });
    toolbars_->setStandardToolBar(standardToolBar_);
    toolbars_->loadUserImages(QDir::current().filePath(QStringLiteral("UserImages.bmp")));
    commands_.add(cmd::Customize, [this] { showCustomizeDialog(); });
}

void MainWindow::showCustomizeDialog() {
    if (customizeDialog_ == nullptr) {
        customizeDialog_ = new CustomizeDialog(*toolbars_, this);
    }
    customizeDialog_->show();
    customizeDialog_->raise();
    customizeDialog_->activateWindow();
}

CustomizeDialog* MainWindow::customizeDialog() const {
    return customizeDialog_;
}

QMenu* MainWindow::createPopupMenu() {
    QMenu* menu = QMainWindow::createPopupMenu();
    if (menu == nullptr) {
        menu = new QMenu(this);
    }
    menu->setStyleSheet(menuBar()->styleSheet());  // the look's menu colours
    menu->addSeparator();
    QAction* customize = menu->addAction(CommandCatalog::textOf(cmd::Customize));
    connect(customize, &QAction::triggered, this, [this] { runCommand(cmd::Customize); });
    return menu;
}

// User toolbars are made before the docking state is restored, which
// places only toolbars that exist.
void MainWindow::restorePlacement() {
    AppSettings settings;
    toolbars_->restore(settings);
    restoreWindowRect(settings);
    restoreState(settings.value(SettingsKeys::MainWindowState).toByteArray());
    statusBar()->setVisible(settings.value(SettingsKeys::StatusBarVisible, true).toBool());
}

// A saved rectangle counts only while a screen shows it; otherwise, and on
// the first start, the window takes the platform's usual first place.
void MainWindow::restoreWindowRect(const AppSettings& settings) {
    const QVariant saved = settings.value(SettingsKeys::MainWindowRect);
    const std::optional<QRect> savedRect = saved.canConvert<QRect>() && saved.toRect().isValid()
                                               ? std::optional(saved.toRect())
                                               : std::nullopt;
    const QList<ScreenArea> screens = WindowPlacement::currentScreens();
    const QRect rect = WindowPlacement::choose(savedRect, screens);
    if (rect.isValid()) {
        setGeometry(rect);
    }
    const bool onScreen = savedRect && WindowPlacement::fitSaved(*savedRect, screens);
    if (onScreen && settings.value(SettingsKeys::MainWindowMaximized, false).toBool()) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::savePlacement() const {
    AppSettings settings;
    // The window's own rectangle (frame excluded) and state, kept with the toolbars.
    settings.setValue(SettingsKeys::MainWindowRect, normalGeometry());
    settings.setValue(SettingsKeys::MainWindowMaximized, isMaximized());
    settings.setValue(SettingsKeys::MainWindowState, saveState());
    settings.setValue(SettingsKeys::StatusBarVisible, statusBar()->isVisible());
    toolbars_->save(settings);
}

// Showing the frame paints the design at once rather than when the event
// queue gets round to it.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    updateCommandStates();  // the View menu's marks follow what is now shown
    if (!event->spontaneous() && view_ != nullptr) {
        view_->repaintNow();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (unsavedChangesGuard_ != nullptr && !unsavedChangesGuard_->confirmClose()) {
        event->ignore();
        return;
    }
    savePlacement();
    event->accept();
}

}  // namespace corvane
