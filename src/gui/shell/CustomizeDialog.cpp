#include "CustomizeDialog.h"

#include "CommandCatalog.h"
#include "ToolbarCustomization.h"

#include <QComboBox>
#include <QDataStream>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr int kCommandRole = Qt::UserRole;
const char* const kItemListFormat = "application/x-qabstractitemmodeldatalist";

QString allCommandsCategory() {
    return QStringLiteral("All Commands");
}

QString basicCommandsCategory() {
    return QStringLiteral("Basic Commands");
}

QListWidgetItem* commandItem(int commandId) {
    auto* item = new QListWidgetItem(
        commandId == 0 ? QStringLiteral("(separator)")
                       : CommandCatalog::withoutMnemonic(CommandCatalog::textOf(commandId)));
    item->setData(kCommandRole, commandId);
    return item;
}

// The command ids carried by a drag from the command list. Anything else
// (other roles, other formats, unknown ids) is ignored.
QList<int> commandsOf(const QMimeData* mime) {
    QList<int> ids;
    if (mime == nullptr || !mime->hasFormat(QLatin1String(kItemListFormat))) {
        return ids;
    }
    QByteArray data = mime->data(QLatin1String(kItemListFormat));
    QDataStream stream(&data, QIODevice::ReadOnly);
    while (!stream.atEnd()) {
        int row = 0;
        int column = 0;
        QMap<int, QVariant> roles;
        stream >> row >> column >> roles;
        if (stream.status() != QDataStream::Ok) {
            break;
        }
        bool isNumber = false;
        const int id = roles.value(kCommandRole).toInt(&isNumber);
        if (isNumber && CommandCatalog::isKnown(id)) {
            ids << id;
        }
    }
    return ids;
}

QListWidget* makeList(const QString& objectName) {
    auto* list = new QListWidget;
    list->setObjectName(objectName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QPushButton* makeButton(const QString& text, const QString& objectName) {
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CustomizeDialog::CustomizeDialog(ToolbarCustomization& toolbars, QWidget* owner)
    : QDialog(owner), toolbars_(toolbars) {
    setWindowTitle(QStringLiteral("Customize"));
    setModal(false);
    auto* columns = new QHBoxLayout;
    columns->addLayout(buildCommandColumn(), 3);
    columns->addLayout(buildToolBarColumn(), 2);
    columns->addLayout(buildButtonColumn(), 3);
    auto* close = makeButton(QStringLiteral("Close"), QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);

    connect(&toolbars_, &ToolbarCustomization::changed, this, &CustomizeDialog::refresh);
    fillCommandList();
    refresh();
    resize(760, 440);
}

QLayout* CustomizeDialog::buildCommandColumn() {
    categories_ = new QComboBox;
    categories_->setObjectName(QStringLiteral("categories"));
    categories_->addItem(allCommandsCategory());
    categories_->addItems(CommandCatalog::categories());
    categories_->addItem(basicCommandsCategory());
    connect(categories_, &QComboBox::currentIndexChanged, this, &CustomizeDialog::fillCommandList);

    commandList_ = makeList(QStringLiteral("commandList"));
    commandList_->setDragEnabled(true);
    commandList_->setDragDropMode(QAbstractItemView::DragOnly);
    connect(commandList_, &QListWidget::currentRowChanged, this,
            &CustomizeDialog::updateEnabledStates);
    connect(commandList_, &QListWidget::itemDoubleClicked, this,
            &CustomizeDialog::addSelectedCommand);

    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(QStringLiteral("Categories:")));
    column->addWidget(categories_);
    column->addWidget(new QLabel(QStringLiteral("Commands (drag them to the toolbar's buttons):")));
    column->addWidget(commandList_);
    return column;
}

QLayout* CustomizeDialog::buildToolBarColumn() {
    toolBarList_ = makeList(QStringLiteral("toolBarList"));
    connect(toolBarList_, &QListWidget::currentRowChanged, this, [this] {
        if (refreshing_) {
            return;
        }
        QToolBar* toolBar = selectedToolBar();
        nameEdit_->setText(toolBar != nullptr ? toolBar->windowTitle() : QString());
        refreshButtons();
        updateEnabledStates();
    });
    nameEdit_ = new QLineEdit;
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    newButton_ = makeButton(QStringLiteral("&New"), QStringLiteral("newButton"));
    renameButton_ = makeButton(QStringLiteral("&Rename"), QStringLiteral("renameButton"));
    deleteButton_ = makeButton(QStringLiteral("&Delete"), QStringLiteral("deleteButton"));
    connect(newButton_, &QPushButton::clicked, this, &CustomizeDialog::newToolBar);
    connect(renameButton_, &QPushButton::clicked, this, &CustomizeDialog::renameToolBar);
    connect(deleteButton_, &QPushButton::clicked, this, &CustomizeDialog::deleteToolBar);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newButton_);
    buttons->addWidget(renameButton_);
    buttons->addWidget(deleteButton_);
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(QStringLiteral("Toolbars:")));
    column->addWidget(toolBarList_);
    column->addWidget(new QLabel(QStringLiteral("Toolbar name:")));
    column->addWidget(nameEdit_);
    column->addLayout(buttons);
    return column;
}

QLayout* CustomizeDialog::buildButtonColumn() {
    buttonList_ = makeList(QStringLiteral("buttonList"));
    buttonList_->setAcceptDrops(true);
    buttonList_->viewport()->setAcceptDrops(true);
    buttonList_->viewport()->installEventFilter(this);
    connect(buttonList_, &QListWidget::currentRowChanged, this,
            &CustomizeDialog::updateEnabledStates);
    addButton_ = makeButton(QStringLiteral("&Add"), QStringLiteral("addButton"));
    removeButton_ = makeButton(QStringLiteral("Re&move"), QStringLiteral("removeButton"));
    connect(addButton_, &QPushButton::clicked, this, &CustomizeDialog::addSelectedCommand);
    connect(removeButton_, &QPushButton::clicked, this, &CustomizeDialog::removeSelectedButton);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(removeButton_);
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(QStringLiteral("Buttons of the toolbar:")));
    column->addWidget(buttonList_);
    column->addLayout(buttons);
    return column;
}

QToolBar* CustomizeDialog::selectedToolBar() const {
    return toolbars_.toolBars().value(toolBarList_->currentRow());
}

void CustomizeDialog::selectToolBar(QToolBar* toolBar) {
    const int row = toolbars_.toolBars().indexOf(toolBar);
    if (row >= 0) {
        toolBarList_->setCurrentRow(row);
    }
}

void CustomizeDialog::fillCommandList() {
    commandList_->clear();
    const QString category = categories_->currentText();
    if (category == basicCommandsCategory()) {
        for (int id : CommandCatalog::basicCommands()) {
            commandList_->addItem(commandItem(id));
        }
        return;
    }
    for (const CatalogCommand& command : CommandCatalog::menuCommands()) {
        if (category == allCommandsCategory() || command.category == category) {
            commandList_->addItem(commandItem(command.id));
        }
    }
}

// Rebuilt from the toolbars after every change, so the dialog also follows
// buttons moved on the toolbars themselves.
void CustomizeDialog::refresh() {
    QToolBar* selected = selectedToolBar();
    refreshing_ = true;
    toolBarList_->clear();
    const QList<QToolBar*> toolBars = toolbars_.toolBars();
    for (QToolBar* toolBar : toolBars) {
        toolBarList_->addItem(toolBar->windowTitle());
    }
    const int row = toolBars.indexOf(selected);
    toolBarList_->setCurrentRow(row >= 0 ? row : 0);
    refreshing_ = false;
    if (selectedToolBar() != selected || nameEdit_->text().isEmpty()) {
        nameEdit_->setText(selectedToolBar() != nullptr ? selectedToolBar()->windowTitle()
                                                        : QString());
    }
    refreshButtons();
    updateEnabledStates();
}

void CustomizeDialog::refreshButtons() {
    const int row = buttonList_->currentRow();
    buttonList_->clear();
    for (int id : toolbars_.commandsOf(selectedToolBar())) {
        buttonList_->addItem(commandItem(id));
    }
    buttonList_->setCurrentRow(std::min(row, buttonList_->count() - 1));
}

void CustomizeDialog::updateEnabledStates() {
    const bool userToolBar = toolbars_.isUserToolBar(selectedToolBar());
    newButton_->setEnabled(toolbars_.userToolBars().size() <
                           ToolbarCustomization::kMaxUserToolBars);
    renameButton_->setEnabled(userToolBar);
    deleteButton_->setEnabled(userToolBar);
    addButton_->setEnabled(selectedToolBar() != nullptr && commandList_->currentItem() != nullptr);
    removeButton_->setEnabled(buttonList_->currentItem() != nullptr);
}

// The name field usually holds the selected toolbar's name; a new toolbar
// does not take a name that is in use already.
void CustomizeDialog::newToolBar() {
    QString name = nameEdit_->text().trimmed();
    for (QToolBar* toolBar : toolbars_.toolBars()) {
        if (toolBar->windowTitle() == name) {
            name.clear();
        }
    }
    QToolBar* created = toolbars_.createUserToolBar(name);
    if (created != nullptr) {
        selectToolBar(created);
    }
}

void CustomizeDialog::renameToolBar() {
    QToolBar* toolBar = selectedToolBar();
    toolbars_.renameUserToolBar(toolBar, nameEdit_->text());
    selectToolBar(toolBar);
}

void CustomizeDialog::deleteToolBar() {
    toolbars_.deleteUserToolBar(selectedToolBar());
}

void CustomizeDialog::addSelectedCommand() {
    const QListWidgetItem* item = commandList_->currentItem();
    if (item == nullptr) {
        return;
    }
    const int row = buttonList_->currentRow();
    toolbars_.insertCommand(selectedToolBar(), item->data(kCommandRole).toInt(),
                            row >= 0 ? row + 1 : -1);
    if (row >= 0) {
        buttonList_->setCurrentRow(row + 1);
    }
}

void CustomizeDialog::removeSelectedButton() {
    toolbars_.removeCommandAt(selectedToolBar(), buttonList_->currentRow());
}

bool CustomizeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != buttonList_->viewport()) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!commandsOf(drag->mimeData()).isEmpty() && selectedToolBar() != nullptr) {
                drag->acceptProposedAction();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop:
            return dropCommands(static_cast<QDropEvent*>(event));
        default:
            return QDialog::eventFilter(watched, event);
    }
}

// Dropped commands go before the button under the mouse, or at the end.
bool CustomizeDialog::dropCommands(QDropEvent* event) {
    QToolBar* toolBar = selectedToolBar();
    const QList<int> ids = commandsOf(event->mimeData());
    if (toolBar == nullptr || ids.isEmpty()) {
        event->ignore();
        return true;
    }
    const QModelIndex over = buttonList_->indexAt(event->position().toPoint());
    int position = over.isValid() ? over.row() : -1;
    for (int id : ids) {
        toolbars_.insertCommand(toolBar, id, position);
        if (position >= 0) {
            ++position;
        }
    }
    event->acceptProposedAction();
    return true;
}

}  // namespace corvane
