#include "UndoCommands.h"

#include "CommandIds.h"
#include "DesignSurface.h"

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

void UndoCommands::undoFills(int count) {
    view_.document().undoFills(count);
}

void UndoCommands::clearAllSegmentColors() {
    view_.document().clearAll();
}

}  // namespace corvane
