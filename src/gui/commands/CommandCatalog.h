#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace corvane {

// A command a user can put on a toolbar.
struct CatalogCommand {
    int id;
    QString text;      // as the menu shows it, with its '&' mnemonic
    QString category;  // the menu it sits in, without mnemonic
};

// The commands collected from the menus, for the customization dialog, and
// the basic commands that menu personalization always shows.
class CommandCatalog {
public:
    // Every menu item once, in menu order.
    static const std::vector<CatalogCommand>& menuCommands();
    // The menus in order, as categories.
    static QStringList categories();
    // Menu text of any command the program knows (also those that are only
    // on toolbars or accelerators); empty for an unknown id.
    static QString textOf(int commandId);
    static bool isKnown(int commandId);
    // The commands menu personalization shows before any other is used.
    static const std::vector<int>& basicCommands();
    // Menu text without the mnemonic marker.
    static QString withoutMnemonic(const QString& text);
};

}  // namespace corvane
