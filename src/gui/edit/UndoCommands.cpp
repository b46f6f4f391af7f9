#include "UndoCommands.h"

#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignSurface.h"
#include "FillStatus.h"
#include "SegmentHitTest.h"

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
    BowlModel& model = view_.model();
    const std::optional<int> restored = model.UndoLastFill();
    if (!restored) {
        return;
    }
    ShowFillStatus(model);
    model.RecountRowTallies();
    const IntRect area =
        *restored == 0 ? CenterDiscRect(model) : SegmentUpdateRect(model, *restored);
    view_.update(QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
    view_.invalidateTallies();
    view_.repaintNow();
}

// Each step repaints by itself; the batch stops early when the history runs out.
void UndoCommands::undoFills(int count) {
    for (int i = 0; i < count && !view_.model().FillHistory.empty(); ++i) {
        undoLastFill();
    }
}

void UndoCommands::clearAllSegmentColors() {
    view_.model().ClearAllSegmentColors();
    view_.repaintNow();
}

}  // namespace corvane
