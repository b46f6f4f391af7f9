#include "UndoCommands.h"

#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignSurface.h"
#include "FillStatus.h"

namespace corvane {

UndoCommands::UndoCommands(DesignSurface& view) : QObject(&view), view_(view) {
    CommandTarget& commands = view_.commands();
    commands.add(cmd::UndoLastFill, [this] { undoLastFill(); });
    commands.add(cmd::UndoLast5, [this] { undoFills(5); });
    commands.add(cmd::UndoLast10, [this] { undoFills(10); });
    commands.add(cmd::UndoLast20, [this] { undoFills(20); });
    commands.add(cmd::UndoLast100, [this] { undoFills(100); });
    commands.add(cmd::ClearAllSegmentColors, [this] { clearAllSegmentColors(); });
}

void UndoCommands::undoLastFill() {
    undoFills(1);
}

// All steps first, then one recount and one repaint: the picture at the end
// is the same as after single undos, without a paint per step.
void UndoCommands::undoFills(int count) {
    BowlModel& model = view_.model();
    if (model.FillHistory.empty()) {
        return;
    }
    const std::vector<int> restored = model.UndoFills(count);
    ShowFillStatus(model);
    model.RecountRowTallies();
    view_.repaintRecords(restored);
}

void UndoCommands::clearAllSegmentColors() {
    view_.model().ClearAllSegmentColors();
    view_.repaintNow();
}

}  // namespace corvane
