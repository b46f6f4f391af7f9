#pragma once

#include "CommandTarget.h"

#include <QImage>
#include <QWidget>

namespace corvane {

class BowlModel;

// The design view: paints the model, turns left clicks into fills and is
// the first to be offered every menu command.
class CChildView : public QWidget {
    Q_OBJECT

public:
    explicit CChildView(BowlModel& model, QWidget* parent = nullptr);

    BowlModel& model() { return model_; }
    CommandTarget& commands() { return commands_; }
    const CommandTarget& commands() const { return commands_; }

    // The picture of the last paint, exactly as the window shows it.
    const QImage& lastPaintedImage() const { return lastPainted_; }

    // Invalidates the whole view and paints it before returning.
    void repaintNow();
    // Invalidates the tally columns (the first always, the others when in use).
    void invalidateTallies();

public slots:
    // A design parameter changed: recompute the geometry and repaint at once.
    void onParametersChanged();

signals:
    // A left click in the view, in client pixels.
    void leftClicked(QPoint position);
    // The design may have changed and has just been repainted.
    void designChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    BowlModel& model_;
    CommandTarget commands_;
    QImage lastPainted_;
};

}  // namespace corvane
