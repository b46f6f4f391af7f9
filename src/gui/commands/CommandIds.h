#pragma once

// Command ids as the menus and toolbars send them; the numbers are kept from
// the original resource file so that user toolbars and menus stay stable.
namespace corvane::cmd {

inline constexpr int ShowParametersBox = 32771;
inline constexpr int WoodFirst = 32789;  // BloodWood
inline constexpr int WoodLast = 32803;   // Ash
inline constexpr int ChooseCustomColor = 32804;
inline constexpr int UndoLastFill = 32805;
inline constexpr int UndoLast5 = 32806;
inline constexpr int UndoLast10 = 32807;
inline constexpr int ClearAllSegmentColors = 32808;
inline constexpr int Print = 32809;
inline constexpr int Scale90 = 32811;
inline constexpr int Scale95 = 32812;
inline constexpr int Scale100 = 32813;
inline constexpr int Scale110 = 32814;
inline constexpr int Scale105 = 32815;
inline constexpr int Scale150 = 32816;
inline constexpr int Scale200 = 32817;
inline constexpr int SaveJpg = 32818;
inline constexpr int SavePng = 32819;
inline constexpr int SaveBmp = 32820;
inline constexpr int SaveCsv = 32821;
inline constexpr int OpenCsv = 32822;
inline constexpr int EnterSymmetryMode = 32827;
inline constexpr int ExitSymmetryMode = 32828;
inline constexpr int UndoLast20 = 32829;
inline constexpr int UndoLast100 = 32830;

// Commands that the program adds beyond the original menus.
inline constexpr int PrintCutList = 32840;
inline constexpr int SaveCutListCsv = 32841;
inline constexpr int ViewCutList = 32842;
inline constexpr int ViewPreview3D = 32843;
inline constexpr int ZoomToFit = 32844;
inline constexpr int ActualSize = 32845;
inline constexpr int ZoomIn = 32846;
inline constexpr int ZoomOut = 32847;
inline constexpr int ViewProfile = 32848;

// Framework commands.
inline constexpr int Customize = 126;
inline constexpr int LookFirst = 205;  // Windows 2000
inline constexpr int LookLast = 219;   // Windows 7 (not in the menu)
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int HelpForCorvane = 57664;
inline constexpr int FileExit = 57665;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;
inline constexpr int ToolbarsAndDocking = 59392;
inline constexpr int StatusBar = 59393;

}  // namespace corvane::cmd
