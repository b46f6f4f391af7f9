#pragma once

namespace corvane {

class BowlModel;

// Writes "Ready to fill with <name of the fill colour>" into the status bar.
void ShowFillStatus(const BowlModel& model);

}  // namespace corvane
