#include "FillStatus.h"

#include "BowlModel.h"
#include "DesignSurface.h"
#include "NamedColorTable.h"
#include "StatusPane.h"

namespace corvane {

void ShowFillStatus(const BowlModel& model) {
    const std::string name = ColorNameOf(model.FillColor);
    StatusPane::setText(QStringLiteral("Ready to fill with %1")
                            .arg(QString::fromLatin1(name.data(), qsizetype(name.size()))));
}

void FollowDesignInStatusBar(DesignSurface& view) {
    DesignDocument& document = view.document();
    QObject::connect(&document, &DesignDocument::changed, &view,
                     [&document](const DesignChange& change) {
                         using Cause = DesignChange::Cause;
                         if (change.cause == Cause::Fill || change.cause == Cause::Undo) {
                             ShowFillStatus(document.model());
                         }
                         if (change.endedSectors > 0) {
                             StatusPane::setText(
                                 QStringLiteral("Symmetry Mode ended: %1 segments per row cannot "
                                                "be split into %2 equal sectors.")
                                     .arg(change.segmentsAtEnd)
                                     .arg(change.endedSectors));
                         }
                     });
}

}  // namespace corvane
