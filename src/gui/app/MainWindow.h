#pragma once

#include "CommandRouter.h"
#include "CommandTarget.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QToolBar;

namespace corvane {

class DesignDocument;
class DesignFileCommands;
class DesignView;
class CutListPanel;
class PreviewDock;
class ProfileDock;
class UnsavedChangesGuard;
class CustomizeDialog;
class ToolbarCustomization;
class LockIndicators;
class AppSettings;

// The main window: menu bar, the "Standard" toolbar, the status bar and the
// design view. Commands go to the view first, then here, then to the
// application.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(DesignDocument& document, const CommandTarget* applicationCommands,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    DesignView* view() const { return view_; }
    CommandTarget& commands() { return commands_; }
    const CommandRouter& router() const { return router_; }
    QToolBar* standardToolBar() const { return standardToolBar_; }
    QLabel* messagePane() const { return messagePane_; }
    QLabel* zoomPane() const { return zoomPane_; }
    LockIndicators* lockIndicators() const { return lockIndicators_; }
    CutListPanel* cutListPanel() const { return cutListPanel_; }
    PreviewDock* previewDock() const { return previewDock_; }
    ProfileDock* profileDock() const { return profileDock_; }
    UnsavedChangesGuard* unsavedChangesGuard() const { return unsavedChangesGuard_; }
    DesignFileCommands& designFiles() const { return *designFiles_; }

    // The action that sends a command from the menu bar (nullptr if none).
    QAction* menuAction(int commandId) const;
    // Sends a command as the menus do.
    bool runCommand(int commandId);
    // Refreshes enabled and checked marks of every command action.
    void updateCommandStates();
    // A new action that sends a command (for toolbar buttons).
    QAction* createCommandAction(int commandId, QObject* parent);

    ToolbarCustomization& toolbarCustomization() { return *toolbars_; }
    // Opens the modeless customization window (command 126).
    void showCustomizeDialog();
    CustomizeDialog* customizeDialog() const;
    // The toolbars' context menu, with "Customize..." below the toolbar list.
    QMenu* createPopupMenu() override;

    // Size, place, toolbars and status bar as the last run left them; on the
    // first start three quarters of the screen, centred.
    void restorePlacement();
    void savePlacement() const;

    // The current frame, if one exists.
    static MainWindow* current();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenuBar();
    void buildToolBar();
    void buildStatusBar();
    void addFrameCommands();
    void setUpCustomization();
    bool isCheckable(int commandId) const;
    QAction* makeCommandAction(int id, const QString& text, QObject* parent);
    void fillToolbarList(QMenu* menu);
    void buildCutListPanel();
    void buildPreviewDock();
    void buildProfileDock();
    void addDockToggle(int commandId, QDockWidget* dock);
    void restoreWindowRect(const AppSettings& settings);

    DesignView* view_ = nullptr;
    DesignFileCommands* designFiles_ = nullptr;
    CommandTarget commands_;
    CommandRouter router_;
    QToolBar* standardToolBar_ = nullptr;
    QLabel* zoomPane_ = nullptr;
    QLabel* messagePane_ = nullptr;
    LockIndicators* lockIndicators_ = nullptr;
    CutListPanel* cutListPanel_ = nullptr;
    PreviewDock* previewDock_ = nullptr;
    ProfileDock* profileDock_ = nullptr;
    UnsavedChangesGuard* unsavedChangesGuard_ = nullptr;
    QMap<int, QAction*> menuActions_;
    QList<QPointer<QAction>> commandActions_;
    ToolbarCustomization* toolbars_ = nullptr;
    QPointer<CustomizeDialog> customizeDialog_;
};

}  // namespace corvane
