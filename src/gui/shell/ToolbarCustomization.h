#pragma once

#include "UserImages.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QToolBar;

namespace corvane {

class AppSettings;
class QuickCustomizeFilter;

// The customizable toolbars of the frame: the "Standard" toolbar and up to
// ten user-defined ones, each ending in a "Customize..." button. Positions
// count the toolbar's buttons and separators, never the customize button.
class ToolbarCustomization : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxUserToolBars = 10;
    // Makes the action that sends a command, as the menus do.
    using ActionFactory = std::function<QAction*(int commandId, QObject* parent)>;

    ToolbarCustomization(QMainWindow& frame, ActionFactory makeAction);

    // Takes over the frame's standard toolbar, as it is now, and adds its customize button.
    void setStandardToolBar(QToolBar* toolBar);
    // Loads the user toolbar images unless some are loaded already.
    void loadUserImages(const QString& path);
    const UserImages& userImages() const { return images_; }
    // Every button's image again, e.g. once the desktop theme's may be used.
    void refreshAllImages();

    QToolBar* standardToolBar() const { return standard_; }
    // Standard first, then the user toolbars by index.
    QList<QToolBar*> toolBars() const;
    QList<QToolBar*> userToolBars() const;
    bool isUserToolBar(const QToolBar* toolBar) const;

    // nullptr when ten exist already; a blank name becomes "Custom n".
    QToolBar* createUserToolBar(const QString& name);
    bool renameUserToolBar(QToolBar* toolBar, const QString& name);
    bool deleteUserToolBar(QToolBar* toolBar);

    // Command ids of the buttons, 0 for a separator.
    QList<int> commandsOf(const QToolBar* toolBar) const;
    // A command button of one of these toolbars, other than its customize button.
    bool isMovableButton(const QToolBar* toolBar, const QAction* action) const;
    // A position of -1 or past the end appends.
    void insertCommand(QToolBar* toolBar, int commandId, int position = -1);
    void removeCommandAt(QToolBar* toolBar, int position);
    // toPosition counts the target's buttons before the move.
    void moveCommand(QToolBar* from, int fromPosition, QToolBar* to, int toPosition);
    // Quick customization: a button dragged with Alt and let go at a screen
    // point lands before or after the button there. False when it stays.
    bool dropButton(QToolBar* from, QAction* button, QPoint globalPosition);

    void save(AppSettings& settings) const;
    // Recreates the saved user toolbars (before the frame restores its
    // docking state, which needs them to exist) and the standard buttons.
    void restore(AppSettings& settings);

signals:
    void changed();

private:
    QList<QAction*> contentActions(const QToolBar* toolBar) const;
    QAction* customizeButton(const QToolBar* toolBar) const;
    void addCustomizeButton(QToolBar* toolBar);
    QAction* makeButton(int commandId, QToolBar* toolBar);
    QToolBar* makeUserToolBar(int index, const QString& name);
    void placeAction(QToolBar* toolBar, QAction* action, int position);
    void refreshImages(QToolBar* toolBar);
    int freeIndex() const;
    QToolBar* toolBarAt(QPoint globalPosition) const;

    QMainWindow& frame_;
    ActionFactory makeAction_;
    QToolBar* standard_ = nullptr;
    QList<int> standardDefault_;
    QToolBar* users_[kMaxUserToolBars] = {};
    UserImages images_;
    QuickCustomizeFilter* quickCustomize_ = nullptr;
};

}  // namespace corvane
