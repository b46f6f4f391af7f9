#pragma once

#include <QObject>

namespace corvane {

class DesignSurface;

// "Undo Last Fill", the batch undos and "Clear All Segment Colors".
class UndoCommands : public QObject {
    Q_OBJECT

public:
    explicit UndoCommands(DesignSurface& view);

    void undoLastFill();
    void undoFills(int count);
    void clearAllSegmentColors();

private:
    DesignSurface& view_;
};

}  // namespace corvane
