#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QToolBar;

namespace corvane {

class ToolbarCustomization;

// Quick customization: pressing a toolbar button with Alt held picks it up
// instead of running its command, and letting go over a toolbar puts it
// there.
class QuickCustomizeFilter : public QObject {
    Q_OBJECT

public:
    explicit QuickCustomizeFilter(ToolbarCustomization& toolbars);

    void watch(QToolBar* toolBar);
    bool isDragging() const { return !dragged_.isNull(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool startDrag(QObject* watched, QEvent* event);
    bool finishDrag(QEvent* event);

    ToolbarCustomization& toolbars_;
    QPointer<QToolBar> source_;
    QPointer<QAction> dragged_;
};

}  // namespace corvane
