#include "BoxParameters.h"

#include "DesignLimits.h"

namespace corvane {

namespace {

// Which fields the first broken limit concerns, in the order in which
// CheckBoxDesign tests them.
std::vector<BoxField> FieldsOfFirstProblem(const BoxParameters& box) {
    if (box.BoxRows < 1) {
        return {BoxField::Rows};
    }
    if (box.BoxSegments < 1) {
        return {BoxField::Segments};
    }
    if (CheckDiameter("ID", box.BoxID)) {
        return {BoxField::ID};
    }
    if (CheckDiameter("OD", box.BoxOD)) {
        return {BoxField::OD};
    }
    if (CheckTableFits(box.BoxRows, box.BoxSegments)) {
        return {BoxField::Rows, BoxField::Segments};
    }
    if (box.BoxID < 0.0) {
        return {BoxField::ID};
    }
    if (box.BoxID >= box.BoxOD) {
        return {BoxField::ID, BoxField::OD};
    }
    return {BoxField::FontSize};
}

}  // namespace

BoxParameters& BoxParameters::instance() {
    static BoxParameters copies;
    return copies;
}

void BoxParameters::LoadFrom(const BowlModel& model) {
    BoxID = model.ID;
    BoxOD = model.OD;
    BoxRows = model.Rows;
    BoxSegments = model.Segments;
    BoxFontSize = model.FontSize;
}

void BoxParameters::CopyTo(BowlModel& model) const {
    model.Rows = BoxRows;
    model.Segments = BoxSegments;
    model.ID = BoxID;
    model.FontSize = BoxFontSize;
    model.OD = BoxOD;
}

bool BoxParameters::SameAs(const BowlModel& model) const {
    return BoxID == model.ID && BoxOD == model.OD && BoxRows == model.Rows &&
           BoxSegments == model.Segments && BoxFontSize == model.FontSize;
}

std::optional<BoxLimitProblem> BoxParameters::CheckLimits() const {
    const LimitError error = CheckBoxDesign(BoxID, BoxOD, BoxRows, BoxSegments, BoxFontSize);
    if (!error) {
        return std::nullopt;
    }
    return BoxLimitProblem{*error, FieldsOfFirstProblem(*this)};
}

}  // namespace corvane
