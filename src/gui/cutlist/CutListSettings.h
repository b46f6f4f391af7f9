#pragma once

#include "BowlShape.h"
#include "CutList.h"

#include <QObject>

namespace corvane {

// The woodworker's settings that the cut list and the 3D preview share: the
// units and kerf of the saw, and the ring height and wall thickness that give
// the bowl its third dimension. Lengths are kept in inches and remembered in
// the settings store; a stored value beyond its limits reads as the default.
class CutListSettings : public QObject {
    Q_OBJECT

public:
    explicit CutListSettings(QObject* parent = nullptr);

    LengthUnit unit() const { return unit_; }
    double kerfInches() const { return kerfInches_; }
    double ringHeightInches() const { return shape_.ringHeight; }
    double wallThicknessInches() const { return shape_.wallThickness; }
    const BowlShape& shape() const { return shape_; }

    void setUnit(LengthUnit unit);
    void setKerfInches(double inches);
    // Values beyond their limits are refused: false, and nothing changes.
    bool setRingHeightInches(double inches);
    bool setWallThicknessInches(double inches);

signals:
    void changed();

private:
    void save() const;
    void changeTo(double& setting, double inches);

    LengthUnit unit_ = LengthUnit::Inches;
    double kerfInches_ = kDefaultKerfInches;
    BowlShape shape_;
};

}  // namespace corvane
