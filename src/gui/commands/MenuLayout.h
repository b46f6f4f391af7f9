#pragma once

#include <vector>

namespace corvane {

// The menu bar as a flat list: menus and submenus open and close around
// their items, so the whole bar reads in order like the resource it mirrors.
enum class MenuEntryKind { Menu, Submenu, End, Item, Separator, ToolbarList };

struct MenuEntry {
    MenuEntryKind kind;
    int id;            // command id of an item; 0 otherwise
    const char* text;  // menu text with '&' mnemonics
};

const std::vector<MenuEntry>& MenuLayout();

// The keys that desktop programs share, shown beside their menu items; in
// the portable notation of key sequences ("Ctrl+S"); a second key that does
// the same follows after "; ".
struct MenuShortcut {
    int id;
    const char* keys;
};

const std::vector<MenuShortcut>& MenuShortcuts();
// The keys of a menu item; nullptr when it has none.
const char* MenuShortcutOf(int commandId);

}  // namespace corvane
