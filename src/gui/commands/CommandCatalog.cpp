#include "CommandCatalog.h"

#include "CommandIds.h"
#include "MenuLayout.h"

namespace corvane {

namespace {

struct NamedCommand {
    int id;
    const char* text;
};

// Commands that have a toolbar button or a key but no menu item.
const NamedCommand kOffMenuCommands[] = {
    {cmd::EditCut, "Cu&t"},
    {cmd::EditCopy, "&Copy"},
    {cmd::EditPaste, "&Paste"},
    {cmd::EditUndo, "&Undo"},
    {cmd::ToolbarsAndDocking, "&Toolbars and Docking Windows"},
    {cmd::LookLast, "Windows &7"},
};

std::vector<CatalogCommand> collectMenuCommands() {
    std::vector<CatalogCommand> commands;
    QString category;
    for (const MenuEntry& entry : MenuLayout()) {
        switch (entry.kind) {
            case MenuEntryKind::Menu:
                category = CommandCatalog::withoutMnemonic(QString::fromLatin1(entry.text));
                break;
            case MenuEntryKind::Item:
                commands.push_back({entry.id, QString::fromLatin1(entry.text), category});
                break;
            case MenuEntryKind::Submenu:
            case MenuEntryKind::End:
            case MenuEntryKind::Separator:
            case MenuEntryKind::ToolbarList:
                break;
        }
    }
    return commands;
}

}  // namespace

const std::vector<CatalogCommand>& CommandCatalog::menuCommands() {
    static const std::vector<CatalogCommand> commands = collectMenuCommands();
    return commands;
}

QStringList CommandCatalog::categories() {
    QStringList names;
    for (const CatalogCommand& command : menuCommands()) {
        if (!names.contains(command.category)) {
            names << command.category;
        }
    }
    return names;
}

QString CommandCatalog::textOf(int commandId) {
    for (const CatalogCommand& command : menuCommands()) {
        if (command.id == commandId) {
            return command.text;
        }
    }
    for (const NamedCommand& command : kOffMenuCommands) {
        if (command.id == commandId) {
            return QString::fromLatin1(command.text);
        }
    }
    return {};
}

bool CommandCatalog::isKnown(int commandId) {
    return !textOf(commandId).isEmpty();
}

const std::vector<int>& CommandCatalog::basicCommands() {
    static const std::vector<int> commands = {cmd::FileExit,
                                              cmd::EditCut,
                                              cmd::EditPaste,
                                              cmd::EditUndo,
                                              cmd::HelpForCorvane,
                                              cmd::StatusBar,
                                              cmd::ToolbarsAndDocking,
                                              208,
                                              209,
                                              215,
                                              217,
                                              216,
                                              218,
                                              219};
    return commands;
}

QString CommandCatalog::withoutMnemonic(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain;
}

}  // namespace corvane
