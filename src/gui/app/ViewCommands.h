#pragma once

namespace corvane {

class CChildView;

// Gives the view its design commands and its click handling.
void InstallViewCommands(CChildView& view);

}  // namespace corvane
