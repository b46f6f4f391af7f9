#pragma once

namespace corvane {

class BowlModel;
class DesignSurface;

// Writes "Ready to fill with <name of the fill colour>" into the status bar.
void ShowFillStatus(const BowlModel& model);

// Keeps the status bar with the view's design for as long as the view
// lives: the fill colour after every fill and undo, and the reason when
// symmetry mode ends by itself.
void FollowDesignInStatusBar(DesignSurface& view);

}  // namespace corvane
