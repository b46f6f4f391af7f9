#include "CutListSettings.h"

#include "AppSettings.h"

namespace corvane {

namespace {

double storedLength(const AppSettings& settings, SettingKey<double> key, double fallback,
                    LimitError (*check)(double)) {
    bool isNumber = false;
    const double inches = settings.value(key).toDouble(&isNumber);
    return isNumber && !check(inches) ? inches : fallback;
}

}  // namespace

CutListSettings::CutListSettings(QObject* parent) : QObject(parent) {
    const AppSettings settings;
    unit_ = settings.value(SettingsKeys::CutListUnits, "in").toString() == QLatin1String("mm")
                ? LengthUnit::Millimetres
                : LengthUnit::Inches;
    kerfInches_ =
        storedLength(settings, SettingsKeys::CutListKerfInches, kDefaultKerfInches, CheckKerf);
    allowanceInches_ = storedLength(settings, SettingsKeys::CutListAllowanceInches,
                                    kDefaultAllowanceInches, CheckAllowance);
}

void CutListSettings::setUnit(LengthUnit unit) {
    if (unit != unit_) {
        unit_ = unit;
        save();
        emit changed();
    }
}

void CutListSettings::setKerfInches(double inches) {
    changeTo(kerfInches_, inches);
}

void CutListSettings::setAllowanceInches(double inches) {
    changeTo(allowanceInches_, inches);
}

void CutListSettings::changeTo(double& setting, double inches) {
    if (setting != inches) {
        setting = inches;
        save();
        emit changed();
    }
}

void CutListSettings::save() const {
    AppSettings settings;
    settings.setValue(SettingsKeys::CutListUnits, QString::fromLatin1(UnitLabel(unit_)));
    settings.setValue(SettingsKeys::CutListKerfInches, kerfInches_);
    settings.setValue(SettingsKeys::CutListAllowanceInches, allowanceInches_);
}

}  // namespace corvane
