#include "ToolbarCustomization.h"

#include "AppIcon.h"
#include "AppSettings.h"
#include "CommandCatalog.h"
#include "CommandIds.h"
#include "QuickCustomizeFilter.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QVariantMap>

namespace corvane {

namespace {

constexpr const char* kCustomizeButtonProperty = "corvaneCustomizeButton";
const QSize kButtonImageSize(16, 15);

QString defaultName(int index) {
    return QStringLiteral("Custom %1").arg(index + 1);
}

bool isValidButton(int commandId) {
    return commandId == 0 || CommandCatalog::isKnown(commandId);
}

// Saved command lists come from a file the user may have edited: anything
// that is not a known command or a separator is dropped.
QList<int> validButtons(const QVariant& saved) {
    QList<int> ids;
    for (const QVariant& entry : saved.toList()) {
        bool isNumber = false;
        const int id = entry.toInt(&isNumber);
        if (isNumber && isValidButton(id)) {
            ids << id;
        }
    }
    return ids;
}

QVariantList toVariantList(const QList<int>& ids) {
    QVariantList list;
    for (int id : ids) {
        list << id;
    }
    return list;
}

}  // namespace

ToolbarCustomization::ToolbarCustomization(QMainWindow& frame, ActionFactory makeAction)
    : QObject(&frame), frame_(frame), makeAction_(std::move(makeAction)) {
    quickCustomize_ = new QuickCustomizeFilter(*this);
}

void ToolbarCustomization::setStandardToolBar(QToolBar* toolBar) {
    standard_ = toolBar;
    standardDefault_ = commandsOf(toolBar);
    addCustomizeButton(toolBar);
    quickCustomize_->watch(toolBar);
}

void ToolbarCustomization::loadUserImages(const QString& path) {
    if (images_.isLoaded() || !images_.load(path)) {
        return;
    }
    for (QToolBar* toolBar : userToolBars()) {
        refreshImages(toolBar);
    }
}

void ToolbarCustomization::refreshAllImages() {
    for (QToolBar* toolBar : toolBars()) {
        refreshImages(toolBar);
    }
}

QList<QToolBar*> ToolbarCustomization::toolBars() const {
    QList<QToolBar*> all;
    if (standard_ != nullptr) {
        all << standard_;
    }
    return all + userToolBars();
}

QList<QToolBar*> ToolbarCustomization::userToolBars() const {
    QList<QToolBar*> users;
    for (QToolBar* toolBar : users_) {
        if (toolBar != nullptr) {
            users << toolBar;
        }
    }
    return users;
}

bool ToolbarCustomization::isUserToolBar(const QToolBar* toolBar) const {
    return toolBar != nullptr &&
           std::find(std::begin(users_), std::end(users_), toolBar) != std::end(users_);
}

QToolBar* ToolbarCustomization::createUserToolBar(const QString& name) {
    const int index = freeIndex();
    if (index < 0) {
        return nullptr;
    }
    const QString trimmed = name.trimmed();
    QToolBar* toolBar = makeUserToolBar(index, trimmed.isEmpty() ? defaultName(index) : trimmed);
    emit changed();
    return toolBar;
}

bool ToolbarCustomization::renameUserToolBar(QToolBar* toolBar, const QString& name) {
    const QString trimmed = name.trimmed();
    if (!isUserToolBar(toolBar) || trimmed.isEmpty()) {
        return false;
    }
    toolBar->setWindowTitle(trimmed);
    emit changed();
    return true;
}

bool ToolbarCustomization::deleteUserToolBar(QToolBar* toolBar) {
    if (!isUserToolBar(toolBar)) {
        return false;
    }
    *std::find(std::begin(users_), std::end(users_), toolBar) = nullptr;
    frame_.removeToolBar(toolBar);
    delete toolBar;
    emit changed();
    return true;
}

QList<int> ToolbarCustomization::commandsOf(const QToolBar* toolBar) const {
    QList<int> ids;
    for (const QAction* action : contentActions(toolBar)) {
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    }
    return ids;
}

bool ToolbarCustomization::isMovableButton(const QToolBar* toolBar, const QAction* action) const {
    return action != nullptr && !action->isSeparator() && toolBars().contains(toolBar) &&
           contentActions(toolBar).contains(action);
}

void ToolbarCustomization::insertCommand(QToolBar* toolBar, int commandId, int position) {
    if (!toolBars().contains(toolBar) || !isValidButton(commandId)) {
        return;
    }
    placeAction(toolBar, makeButton(commandId, toolBar), position);
    refreshImages(toolBar);
    emit changed();
}

void ToolbarCustomization::removeCommandAt(QToolBar* toolBar, int position) {
    const QList<QAction*> contents = contentActions(toolBar);
    if (position < 0 || position >= contents.size()) {
        return;
    }
    delete contents[position];
    refreshImages(toolBar);
    emit changed();
}

void ToolbarCustomization::moveCommand(QToolBar* from, int fromPosition, QToolBar* to,
                                       int toPosition) {
    const QList<QAction*> contents = contentActions(from);
    if (!toolBars().contains(to) || fromPosition < 0 || fromPosition >= contents.size()) {
        return;
    }
    QAction* action = contents[fromPosition];
    if (from == to && toPosition > fromPosition) {
        --toPosition;  // the button's own place closes up first
    }
    from->removeAction(action);
    action->setParent(to);
    placeAction(to, action, toPosition);
    refreshImages(from);
    if (to != from) {
        refreshImages(to);
    }
    emit changed();
}

bool ToolbarCustomization::dropButton(QToolBar* from, QAction* button, QPoint globalPosition) {
    QToolBar* target = toolBarAt(globalPosition);
    const int fromPosition = contentActions(from).indexOf(button);
    if (target == nullptr || fromPosition < 0) {
        return false;
    }
    const QPoint local = target->mapFromGlobal(globalPosition);
    const QList<QAction*> contents = contentActions(target);
    int toPosition = contents.size();
    const int overPosition = contents.indexOf(target->actionAt(local));
    if (overPosition >= 0) {
        const QRect over = target->actionGeometry(contents[overPosition]);
        const bool afterIt = target->orientation() == Qt::Horizontal
                                 ? local.x() >= over.center().x()
                                 : local.y() >= over.center().y();
        toPosition = overPosition + (afterIt ? 1 : 0);
    }
    if (target == from && (toPosition == fromPosition || toPosition == fromPosition + 1)) {
        return false;
    }
    moveCommand(from, fromPosition, target, toPosition);
    return true;
}

void ToolbarCustomization::save(AppSettings& settings) const {
    QVariantList saved;
    for (int index = 0; index < kMaxUserToolBars; ++index) {
        if (users_[index] != nullptr) {
            QVariantMap entry;
            entry.insert(QStringLiteral("Index"), index);
            entry.insert(QStringLiteral("Name"), users_[index]->windowTitle());
            entry.insert(QStringLiteral("Commands"), toVariantList(commandsOf(users_[index])));
            saved << entry;
        }
    }
    settings.setValue(SettingsKeys::UserToolbars, saved);
    // The standard buttons are stored only once changed, so that a later
    // version's defaults reach users who never customized them.
    if (standard_ == nullptr || commandsOf(standard_) == standardDefault_) {
        settings.remove(SettingsKeys::StandardToolbar);
    } else {
        settings.setValue(SettingsKeys::StandardToolbar, toVariantList(commandsOf(standard_)));
    }
}

void ToolbarCustomization::restore(AppSettings& settings) {
    for (const QVariant& saved : settings.value(SettingsKeys::UserToolbars).toList()) {
        const QVariantMap entry = saved.toMap();
        bool isNumber = false;
        const int index = entry.value(QStringLiteral("Index")).toInt(&isNumber);
        if (!isNumber || index < 0 || index >= kMaxUserToolBars || users_[index] != nullptr) {
            continue;
        }
        const QString name = entry.value(QStringLiteral("Name")).toString().trimmed();
        QToolBar* toolBar = makeUserToolBar(index, name.isEmpty() ? defaultName(index) : name);
        for (int id : validButtons(entry.value(QStringLiteral("Commands")))) {
            placeAction(toolBar, makeButton(id, toolBar), -1);
        }
        refreshImages(toolBar);
    }
    if (standard_ != nullptr && settings.contains(SettingsKeys::StandardToolbar)) {
        qDeleteAll(contentActions(standard_));
        for (int id : validButtons(settings.value(SettingsKeys::StandardToolbar))) {
            placeAction(standard_, makeButton(id, standard_), -1);
        }
        refreshImages(standard_);
    }
    emit changed();
}

QList<QAction*> ToolbarCustomization::contentActions(const QToolBar* toolBar) const {
    QList<QAction*> contents;
    if (toolBar == nullptr) {
        return contents;
    }
    for (QAction* action : toolBar->actions()) {
        if (!action->property(kCustomizeButtonProperty).toBool()) {
            contents << action;
        }
    }
    return contents;
}

QAction* ToolbarCustomization::customizeButton(const QToolBar* toolBar) const {
    for (QAction* action : toolBar->actions()) {
        if (action->property(kCustomizeButtonProperty).toBool()) {
            return action;
        }
    }
    return nullptr;
}

void ToolbarCustomization::addCustomizeButton(QToolBar* toolBar) {
    QAction* button = makeAction_(cmd::Customize, toolBar);
    button->setProperty(kCustomizeButtonProperty, true);
    button->setIcon(ToolbarIcon(cmd::Customize));
    toolBar->addAction(button);
}

QAction* ToolbarCustomization::makeButton(int commandId, QToolBar* toolBar) {
    if (commandId == 0) {
        auto* separator = new QAction(toolBar);
        separator->setSeparator(true);
        return separator;
    }
    return makeAction_(commandId, toolBar);
}

QToolBar* ToolbarCustomization::makeUserToolBar(int index, const QString& name) {
    auto* toolBar = new QToolBar(name, &frame_);
    toolBar->setObjectName(QStringLiteral("UserToolbar%1").arg(index + 1));
    toolBar->setIconSize(kButtonImageSize);
    if (standard_ != nullptr) {
        toolBar->setStyleSheet(standard_->styleSheet());  // the current look
    }
    frame_.addToolBar(Qt::TopToolBarArea, toolBar);
    addCustomizeButton(toolBar);
    quickCustomize_->watch(toolBar);
    users_[index] = toolBar;
    return toolBar;
}

void ToolbarCustomization::placeAction(QToolBar* toolBar, QAction* action, int position) {
    const QList<QAction*> contents = contentActions(toolBar);
    QAction* before =
        position >= 0 && position < contents.size() ? contents[position] : customizeButton(toolBar);
    toolBar->insertAction(before, action);
}

// On a user toolbar, button n shows user image n when there is one; other
// buttons show the program's own image or, lacking one, their text.
void ToolbarCustomization::refreshImages(QToolBar* toolBar) {
    const bool userToolBar = isUserToolBar(toolBar);
    int buttonIndex = 0;
    for (QAction* action : contentActions(toolBar)) {
        if (action->isSeparator()) {
            continue;
        }
        const int id = action->data().toInt();
        const QIcon userImage = userToolBar ? images_.icon(buttonIndex) : QIcon();
        action->setIcon(!userImage.isNull()   ? userImage
                        : HasToolbarImage(id) ? ToolbarIcon(id)
                                              : QIcon());
        ++buttonIndex;
    }
}

int ToolbarCustomization::freeIndex() const {
    for (int index = 0; index < kMaxUserToolBars; ++index) {
        if (users_[index] == nullptr) {
            return index;
        }
    }
    return -1;
}

QToolBar* ToolbarCustomization::toolBarAt(QPoint globalPosition) const {
    for (QToolBar* toolBar : toolBars()) {
        if (toolBar->isVisible() &&
            toolBar->rect().contains(toolBar->mapFromGlobal(globalPosition))) {
            return toolBar;
        }
    }
    return nullptr;
}

}  // namespace corvane
