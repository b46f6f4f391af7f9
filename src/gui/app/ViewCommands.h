#pragma once

namespace corvane {

class DesignView;

// Gives the view its design commands and its click handling.
void InstallViewCommands(DesignView& view);

}  // namespace corvane
