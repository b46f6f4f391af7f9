#pragma once

#include <QDialog>

class QComboBox;
class QDropEvent;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;

namespace corvane {

class ToolbarCustomization;

// "Customize": a modeless window to make, rename and delete user toolbars
// and to put the menus' commands on any toolbar (by drag or by button) or
// take them off again.
class CustomizeDialog : public QDialog {
    Q_OBJECT

public:
    CustomizeDialog(ToolbarCustomization& toolbars, QWidget* owner);

    // The toolbar whose buttons the dialog shows.
    QToolBar* selectedToolBar() const;
    void selectToolBar(QToolBar* toolBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* buildCommandColumn();
    QLayout* buildToolBarColumn();
    QLayout* buildButtonColumn();
    void fillCommandList();
    void refresh();
    void refreshButtons();
    void updateEnabledStates();

    void newToolBar();
    void renameToolBar();
    void deleteToolBar();
    void addSelectedCommand();
    void removeSelectedButton();
    bool dropCommands(QDropEvent* event);

    ToolbarCustomization& toolbars_;
    QComboBox* categories_ = nullptr;
    QListWidget* commandList_ = nullptr;
    QListWidget* toolBarList_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* renameButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QListWidget* buttonList_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace corvane
