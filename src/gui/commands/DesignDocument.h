#pragma once

#include "BowlModel.h"
#include "DesignChange.h"
#include "ViewLayout.h"

#include <QObject>

#include <vector>

namespace corvane {

struct BoxParameters;

// The one owner of the design: its parameters, segment table, fill history
// and tallies. Every change goes through one of the operations below, which
// recounts where a change of colours asks for it and then emits changed()
// once, saying what changed; the view, the tallies, the cut list, the 3D
// preview and the status text follow that signal. Nothing else edits the model.
class DesignDocument : public QObject {
    Q_OBJECT

public:
    explicit DesignDocument(QObject* parent = nullptr);

    const BowlModel& model() const { return model_; }

    // A click's fill of record k (FillSegment). In symmetry mode, and when k
    // is a ring segment in the active sector given, its counterparts in the
    // other sectors are filled too. Returns the records filled.
    std::vector<int> fill(int k, const SectorAngles& activeSector);
    // Undoes up to count fills, newest first; nothing happens on an empty history.
    void undoFills(int count);
    // Blanks every record and forgets the history.
    void clearAll();
    // The parameters box's values become the design's; the geometry follows.
    void setParameters(const BoxParameters& values);
    // The screen's pixels per inch; the geometry follows.
    void setPixelsPerInch(int pixelsPerInch);
    void setPrintScale(double scale);
    void setFillColor(Argb color);
    // 0 ends symmetry mode.
    void setSymmetrySectors(int sectors);
    // The bowl's shape. A shape that leaves a row no wall is refused when
    // the shape before it did not: the message, and nothing changes. Lengths
    // beyond their limits are refused the same way.
    LimitError setShape(const BowlShape& shape);
    // Points in inches, fitted to the design's frame (see FitProfile).
    LimitError setProfilePoints(std::vector<ProfilePoint> inches);
    LimitError setRingHeight(double inches);
    // A row's own height; the ring height clears it.
    LimitError setRowHeight(int row, double inches);
    LimitError setWallThickness(double inches);

    // An opened design file takes the place of the design; it counts as saved.
    void replaceBy(const BowlModel& opened);

    // While the parameters box is open, Segments passes through the values
    // typed on the way to another ("1" on the way to "12"): a symmetry mode
    // is judged when the hold ends, not on every keystroke.
    void holdSymmetryCheck(bool held);

    // Whether a save would write another design than the one last saved or
    // opened; a fill undone again is no change.
    bool hasUnsavedChanges() const;
    void markSaved();

signals:
    void changed(const corvane::DesignChange& change);

private:
    void endSymmetryThatNoLongerFits(DesignChange& change);

    BowlModel model_;
    BowlModel saved_;
    int segmentsSeen_;  // Segments when symmetry mode was last judged
    bool symmetryCheckHeld_ = false;
};

}  // namespace corvane
