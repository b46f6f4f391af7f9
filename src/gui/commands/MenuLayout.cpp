#include "MenuLayout.h"

#include "CommandIds.h"
#include "NamedColorTable.h"

namespace corvane {

namespace {

using K = MenuEntryKind;

MenuEntry menu(const char* text) {
    return {K::Menu, 0, text};
}
MenuEntry submenu(const char* text) {
    return {K::Submenu, 0, text};
}
MenuEntry end() {
    return {K::End, 0, nullptr};
}
MenuEntry item(int id, const char* text) {
    return {K::Item, id, text};
}
MenuEntry separator() {
    return {K::Separator, 0, nullptr};
}

// The woods' items come from the colour table, which also gives each its colour.
void appendWoodItems(std::vector<MenuEntry>& layout) {
    for (const WoodCommand& wood : WoodCommands) {
        layout.push_back(item(wood.commandId, wood.menuText));
    }
}

std::vector<MenuEntry> buildLayout() {
    std::vector<MenuEntry> layout = {
        menu("&File"),
        item(cmd::FileExit, "E&xit"),
        end(),

        menu("Parameters"),
        separator(),
        item(cmd::ShowParametersBox, "Show Parameters Box"),
        submenu("Segment Fill Color"),
    };
    appendWoodItems(layout);
    const std::vector<MenuEntry> rest = {
        item(cmd::ChooseCustomColor, "Choose Custom Color"),
        end(),
        end(),

        menu("Undo"),
        item(cmd::UndoLastFill, "Undo Last Fill"),
        item(cmd::UndoLast5, "Undo Last 5 Fills"),
        item(cmd::UndoLast10, "Undo Last 10 Fills"),
        item(cmd::UndoLast20, "Undo Last 20 Fills"),
        item(cmd::UndoLast100, "Undo Last 100 Fils"),
        item(cmd::ClearAllSegmentColors, "Clear All Segment Colors"),
        end(),

        menu("Symmetry Mode"),
        item(cmd::EnterSymmetryMode, "Enter Symmetry Mode"),
        item(cmd::ExitSymmetryMode, "Exit Symmetry Mode"),
        end(),

        menu("Print"),
        item(cmd::Print, "Print"),
        submenu("Scale Printout"),
        item(cmd::Scale90, "90%"),
        item(cmd::Scale95, "95%"),
        item(cmd::Scale100, "100%"),
        item(cmd::Scale105, "105%"),
        item(cmd::Scale110, "110%"),
        item(cmd::Scale150, "150%"),
        item(cmd::Scale200, "200%"),
        end(),
        item(cmd::PrintCutList, "Print Cut List"),
        end(),

        menu("Save/Open"),
        item(cmd::SaveCsv, "Save as CSV (for Excel) File (can be recalled)"),
        item(cmd::OpenCsv, "Open Exisiting CSV File from Corvane"),
        item(cmd::SaveJpg, "Save as JPG"),
        item(cmd::SavePng, "Save as PNG"),
        item(cmd::SaveBmp, "Save As BMP"),
        item(cmd::SaveCutListCsv, "Save Cut List as CSV"),
        end(),

        menu("&View"),
        submenu("&Toolbars and Docking Windows"),
        {K::ToolbarList, cmd::ToolbarsAndDocking, nullptr},
        item(cmd::Customize, "Customize..."),
        end(),
        item(cmd::StatusBar, "&Status Bar"),
        submenu("&Application Look"),
        item(205, "Windows &2000"),
        item(206, "Office &XP"),
        item(207, "&Windows XP"),
        item(208, "Office 200&3"),
        item(209, "Visual Studio 200&5"),
        item(210, "Visual Studio 200&8"),
        submenu("Office 200&7"),
        item(215, "&Blue Style"),
        item(216, "B&lack Style"),
        item(217, "&Silver Style"),
        item(218, "&Aqua Style"),
        end(),
        end(),
        item(cmd::ViewCutList, "Cut List"),
        item(cmd::ViewPreview3D, "3D Preview"),
        item(cmd::ViewProfile, "Profile"),
        separator(),
        item(cmd::ZoomToFit, "Zoom to Fit"),
        item(cmd::ActualSize, "Actual Size"),
        item(cmd::ZoomIn, "Zoom In"),
        item(cmd::ZoomOut, "Zoom Out"),
        end(),

        menu("&Help"),
        item(cmd::HelpForCorvane, "Help for Corvane"),
        end(),
    };
    layout.insert(layout.end(), rest.begin(), rest.end());
    return layout;
}

}  // namespace

const std::vector<MenuEntry>& MenuLayout() {
    static const std::vector<MenuEntry> layout = buildLayout();
    return layout;
}

const std::vector<MenuShortcut>& MenuShortcuts() {
    static const std::vector<MenuShortcut> table = {
        {cmd::SaveCsv, "Ctrl+S"},      {cmd::OpenCsv, "Ctrl+O"},        {cmd::Print, "Ctrl+P"},
        {cmd::UndoLastFill, "Ctrl+Z"}, {cmd::HelpForCorvane, "F1"},     {cmd::ZoomToFit, "Ctrl+0"},
        {cmd::ActualSize, "Ctrl+1"},   {cmd::ZoomIn, "Ctrl++; Ctrl+="}, {cmd::ZoomOut, "Ctrl+-"},
    };
    return table;
}

const char* MenuShortcutOf(int commandId) {
    for (const MenuShortcut& shortcut : MenuShortcuts()) {
        if (shortcut.id == commandId) {
            return shortcut.keys;
        }
    }
    return nullptr;
}

}  // namespace corvane
