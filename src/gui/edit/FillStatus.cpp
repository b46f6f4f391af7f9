#include "FillStatus.h"

#include "BowlModel.h"
#include "NamedColorTable.h"
#include "StatusPane.h"

namespace corvane {

void ShowFillStatus(const BowlModel& model) {
    const std::string name = ColorNameOf(model.FillColor);
    StatusPane::setText(QStringLiteral("Ready to fill with %1")
                            .arg(QString::fromLatin1(name.data(), qsizetype(name.size()))));
}

}  // namespace corvane
