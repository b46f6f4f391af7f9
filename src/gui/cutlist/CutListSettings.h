#pragma once

#include "CutList.h"

#include <QObject>

namespace corvane {

// The woodworker's settings that the cut list and the 3D preview share: the
// units, the kerf of the saw and the turning allowance. (How tall the rings are and how thick the
// wall is belongs to the design.) Lengths are kept in inches and remembered in the settings store;
// a stored value beyond its limits reads as the default.
class CutListSettings : public QObject {
    Q_OBJECT

public:
    explicit CutListSettings(QObject* parent = nullptr);

    LengthUnit unit() const { return unit_; }
    double kerfInches() const { return kerfInches_; }
    double allowanceInches() const { return allowanceInches_; }

    void setUnit(LengthUnit unit);
    void setKerfInches(double inches);
    void setAllowanceInches(double inches);

signals:
    void changed();

private:
    void save() const;
    void changeTo(double& setting, double inches);

    LengthUnit unit_ = LengthUnit::Inches;
    double kerfInches_ = kDefaultKerfInches;
    double allowanceInches_ = kDefaultAllowanceInches;
};

}  // namespace corvane
