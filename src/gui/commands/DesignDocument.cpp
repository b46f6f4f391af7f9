#include "DesignDocument.h"

#include "ActiveSector.h"
#include "BoxParameters.h"
#include "DesignCsvWriter.h"
#include "ShapeFrame.h"

namespace corvane {

using Cause = DesignChange::Cause;

namespace {

// A change of colours only: the records given, and the tallies recounted.
DesignChange Recolored(Cause cause, std::vector<int> records) {
    DesignChange change;
    change.cause = cause;
    change.records = std::move(records);
    change.tallies = true;
    return change;
}

DesignChange Reshaped(Cause cause) {
    DesignChange change;
    change.cause = cause;
    change.geometry = true;
    change.parameters = true;
    change.tallies = true;
    return change;
}

}  // namespace

DesignDocument::DesignDocument(QObject* parent)
    : QObject(parent), saved_(model_), segmentsSeen_(model_.Segments) {}

std::vector<int> DesignDocument::fill(int k, const SectorAngles& activeSector) {
    if (!BowlModel::IsTableIndex(k)) {
        return {};
    }
    std::vector<int> filled{k};
    model_.FillSegment(k);
    if (model_.SymmetrySectors > 0 && k != 0) {
        const std::vector<int> copies = FillSymmetric(model_, activeSector, k);
        filled.insert(filled.end(), copies.begin(), copies.end());
    }
    model_.RecountRowTallies();
    emit changed(Recolored(Cause::Fill, filled));
    return filled;
}

// All steps first, then one recount: the tallies at the end are the same as
// after single undos, without a recount per step.
void DesignDocument::undoFills(int count) {
    if (model_.FillHistory.empty()) {
        return;
    }
    std::vector<int> restored = model_.UndoFills(count);
    model_.RecountRowTallies();
    emit changed(Recolored(Cause::Undo, std::move(restored)));
}

void DesignDocument::clearAll() {
    model_.ClearAllSegmentColors();
    DesignChange change = Recolored(Cause::Clear, {});
    change.allColors = true;
    emit changed(change);
}

// The tallies are counted again with the new rings, so that what they list is
// what the plan shows: a row of 12 segments must not be listed with 24.
void DesignDocument::setParameters(const BoxParameters& values) {
    values.CopyTo(model_);
    model_.ComputeGeometry(model_.PixelsPerInch);
    model_.RecountRowTallies();
    DesignChange change = Reshaped(Cause::Parameters);
    endSymmetryThatNoLongerFits(change);
    emit changed(change);
}

void DesignDocument::setPixelsPerInch(int pixelsPerInch) {
    model_.PixelsPerInch = pixelsPerInch;
    model_.ComputeGeometry(pixelsPerInch);
    DesignChange change;
    change.cause = Cause::Resolution;
    change.geometry = true;
    emit changed(change);
}

// The printout scale and the fill colour are no part of the picture or the
// file: nothing to redraw.
void DesignDocument::setPrintScale(double scale) {
    model_.PrintScale = scale;
}

void DesignDocument::setFillColor(Argb color) {
    model_.FillColor = color;
}

void DesignDocument::setSymmetrySectors(int sectors) {
    model_.SymmetrySectors = sectors;
    segmentsSeen_ = model_.Segments;
    DesignChange change;
    change.cause = Cause::Symmetry;
    change.parameters = true;
    emit changed(change);
}

LimitError DesignDocument::setShape(const BowlShape& shape) {
    LimitError error = CheckRingHeight(shape.ringHeight);
    for (const auto& [row, height] : shape.rowHeights) {
        error = error ? error : CheckRingHeight(height);
    }
    error = error ? error : CheckWallThickness(shape.wallThickness);
    if (!error) {
        BowlModel shaped = model_;
        shaped.Shape = shape;
        // A design whose rows had no wall before may be mended step by step.
        if (!CheckShape(model_)) {
            error = CheckShape(shaped);
        }
    }
    if (error || shape == model_.Shape) {
        return error;
    }
    model_.Shape = shape;
    DesignChange change;
    change.cause = Cause::Shape;
    change.shape = true;
    emit changed(change);
    return std::nullopt;
}

LimitError DesignDocument::setProfilePoints(std::vector<ProfilePoint> inches) {
    BowlShape shape = model_.Shape;
    shape.profile = FitProfile(model_, std::move(inches));
    return setShape(shape);
}

LimitError DesignDocument::setRingHeight(double inches) {
    BowlShape shape = model_.Shape;
    shape.ringHeight = inches;
    std::erase_if(shape.rowHeights, [inches](const auto& row) { return row.second == inches; });
    return setShape(shape);
}

LimitError DesignDocument::setRowHeight(int row, double inches) {
    BowlShape shape = model_.Shape;
    if (inches == shape.ringHeight) {
        shape.rowHeights.erase(row);
    } else {
        shape.rowHeights[row] = inches;
    }
    return setShape(shape);
}

LimitError DesignDocument::setWallThickness(double inches) {
    BowlShape shape = model_.Shape;
    shape.wallThickness = inches;
    return setShape(shape);
}

void DesignDocument::replaceBy(const BowlModel& opened) {
    model_ = opened;
    model_.RecountRowTallies();
    saved_ = model_;
    DesignChange change = Reshaped(Cause::Open);
    change.allColors = true;
    change.shape = true;
    endSymmetryThatNoLongerFits(change);
    emit changed(change);
}

void DesignDocument::holdSymmetryCheck(bool held) {
    const bool released = symmetryCheckHeld_ && !held;
    symmetryCheckHeld_ = held;
    if (released && model_.Segments != segmentsSeen_) {
        DesignChange change;
        change.cause = Cause::Symmetry;
        change.parameters = true;
        endSymmetryThatNoLongerFits(change);
        emit changed(change);
    }
}

// When Segments changes (parameters box, file open) to a count the sectors
// no longer split evenly, copies would land at uneven steps, or several on
// one segment: the mode ends as its own command would end it.
void DesignDocument::endSymmetryThatNoLongerFits(DesignChange& change) {
    if (symmetryCheckHeld_) {
        return;
    }
    const int sectors = model_.SymmetrySectors;
    const bool segmentsChanged = model_.Segments != segmentsSeen_;
    segmentsSeen_ = model_.Segments;
    if (sectors == 0 || !segmentsChanged || SectorsFitSegments(sectors, model_.Segments)) {
        return;
    }
    model_.SymmetrySectors = 0;
    change.parameters = true;
    change.endedSectors = sectors;
    change.segmentsAtEnd = model_.Segments;
}

bool DesignDocument::hasUnsavedChanges() const {
    return !SameDesignOnFile(model_, saved_);
}

void DesignDocument::markSaved() {
    saved_ = model_;
}

}  // namespace corvane
