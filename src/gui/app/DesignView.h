#pragma once

#include "DesignPicture.h"
#include "DesignSurface.h"

namespace corvane {

// The design view: paints the document's design, turns left clicks into
// fills and is the first to be offered every menu command. It keeps the
// picture of the last paint, at the screen's device pixel ratio, so that a
// fill redraws only the segments it changed and the tally columns.
class DesignView : public DesignSurface {
    Q_OBJECT

public:
    explicit DesignView(DesignDocument& document, QWidget* parent = nullptr);

    DesignDocument& document() override { return document_; }
    CommandTarget& commands() override { return commands_; }
    const CommandTarget& commands() const override { return commands_; }

    const ViewLayout& layout() const override { return picture_.layout(); }
    const QImage& lastPaintedImage() const override { return picture_.image(); }
    std::uint32_t shownColorAt(QPoint position) const override;

    void repaintNow() override;
    void paintIfStale() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void onDesignChanged(const DesignChange& change);
    bool pictureIsCurrent() const;

    DesignDocument& document_;
    CommandTarget commands_;
    DesignPicture picture_;
    bool fullPaintPending_ = true;
};

}  // namespace corvane
