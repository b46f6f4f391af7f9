#include "CutListJob.h"

#include "BowlModel.h"
#include "CommandLineOptions.h"
#include "CutList.h"
#include "OptionValues.h"
#include "PrintError.h"
#include "StandardStreams.h"

namespace corvane {

namespace {

bool checkCutList(const CommandLineOptions& options, JobRequest& request) {
    const std::optional<LengthUnit> unit = UnitValue(options.value(QStringLiteral("units")));
    if (!unit) {
        return false;
    }
    request.unit = *unit;
    const bool shapeUsable = ShapeOverrides(options, *unit, request);
    std::optional<double> kerf = kDefaultKerfInches;
    if (options.isSet(QStringLiteral("kerf"))) {
        kerf = KerfValue(options.value(QStringLiteral("kerf")), *unit);
    }
    std::optional<double> allowance = kDefaultAllowanceInches;
    if (options.isSet(QStringLiteral("allowance"))) {
        allowance = AllowanceValue(options.value(QStringLiteral("allowance")), *unit);
    }
    request.kerfInches = kerf.value_or(kDefaultKerfInches);
    request.allowanceInches = allowance.value_or(kDefaultAllowanceInches);
    return shapeUsable && kerf && allowance;
}

ExitCode runCutList(const JobRequest& request, BowlModel& model) {
    const CutList list =
        ComputeCutList(ShapedAsAsked(model, request), request.kerfInches, request.allowanceInches);
    if (!list.refusal.empty()) {
        PrintError(QString::fromStdString(list.refusal));
        return ExitCode::Failed;
    }
    const std::optional<QString> failure =
        WriteStandardOutput(FormatCutListCsv(list, request.unit));
    if (failure) {
        PrintError(QStringLiteral("cannot write the cut list: %1").arg(*failure));
        return ExitCode::Failed;
    }
    return ExitCode::Done;
}

}  // namespace

Job CutListJob() {
    Job job;
    job.option = QStringLiteral("cut-list");
    job.options = {QStringLiteral("units"), QStringLiteral("kerf"), QStringLiteral("allowance"),
                   QStringLiteral("ring-height"), QStringLiteral("wall-thickness")};
    job.platform = JobPlatform::None;
    job.check = checkCutList;
    job.run = runCutList;
    return job;
}

}  // namespace corvane
