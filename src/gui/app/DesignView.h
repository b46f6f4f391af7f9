#pragma once

#include "DesignPicture.h"
#include "DesignSurface.h"

namespace corvane {

// The design view: paints the model, turns left clicks into fills and is
// the first to be offered every menu command. It keeps the picture of the
// last paint, at the screen's device pixel ratio, so that a click redraws
// only the segments it filled and the tally columns.
class DesignView : public DesignSurface {
    Q_OBJECT

public:
    explicit DesignView(BowlModel& model, QWidget* parent = nullptr);

    BowlModel& model() override { return model_; }
    CommandTarget& commands() override { return commands_; }
    const CommandTarget& commands() const override { return commands_; }

    const QImage& lastPaintedImage() const override { return picture_.image(); }
    std::uint32_t shownColorAt(QPoint position) const override;

    void repaintNow() override;
    void repaintRecords(const std::vector<int>& records) override;
    void holdSymmetryCheck(bool held) override;

public slots:
    void onParametersChanged() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool pictureIsCurrent() const;
    void endSymmetryThatNoLongerFits();

    BowlModel& model_;
    CommandTarget commands_;
    DesignPicture picture_;
    bool fullPaintPending_ = true;
    int segmentsSeen_;  // Segments when symmetry mode was last judged
    bool symmetryCheckHeld_ = false;
};

}  // namespace corvane
