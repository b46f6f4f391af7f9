#pragma once

#include <QObject>

namespace corvane {

class CChildView;

// "Undo Last Fill", the batch undos and "Clear All Segment Colors".
class UndoCommands : public QObject {
    Q_OBJECT

public:
    explicit UndoCommands(CChildView& view);

    void undoLastFill();
    void undoFills(int count);
    void clearAllSegmentColors();

private:
    CChildView& view_;
};

}  // namespace corvane
