#pragma once

#include "DesignSurface.h"

namespace corvane {

// The design view: paints the model, turns left clicks into fills and is
// the first to be offered every menu command.
class DesignView : public DesignSurface {
    Q_OBJECT

public:
    explicit DesignView(BowlModel& model, QWidget* parent = nullptr);

    BowlModel& model() override { return model_; }
    CommandTarget& commands() override { return commands_; }
    const CommandTarget& commands() const override { return commands_; }

    const QImage& lastPaintedImage() const override { return lastPainted_; }

    void repaintNow() override;
    void invalidateTallies() override;

public slots:
    void onParametersChanged() override;

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
