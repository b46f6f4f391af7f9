#include "DesignFileCommands.h"

#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignFile.h"
#include "DesignSurface.h"
#include "DialogService.h"

namespace corvane {

DesignFileCommands::DesignFileCommands(DesignSurface& view) : QObject(&view), view_(view) {
    setObjectName(QStringLiteral("DesignFileCommands"));
    view_.commands().add(cmd::SaveCsv, [this] { saveCsv(); });
    view_.commands().add(cmd::OpenCsv, [this] { openCsv(); });
}

DesignFileCommands* DesignFileCommands::of(DesignSurface& view) {
    return view.findChild<DesignFileCommands*>(QStringLiteral("DesignFileCommands"),
                                               Qt::FindDirectChildrenOnly);
}

bool DesignFileCommands::saveCsv() {
    const QString path = DesignFile::chooseCsvSavePath(&view_);
    if (path.isEmpty()) {
        return false;
    }
    const DesignFile::Result result = DesignFile::save(path, view_.model());
    if (result.ok) {
        emit designSynced();
    }
    DialogService::instance().showMessage(view_.window(), result.message);
    return result.ok;
}

void DesignFileCommands::openCsv() {
    const QString chosen = DialogService::instance().chooseFile(
        &view_, {QStringLiteral("CSV Files (*.csv)|*.csv||"), QStringLiteral("csv"), false});
    if (!chosen.isEmpty()) {
        openPath(chosen, true);
    }
}

// The view is repainted with the opened design before the message shows.
bool DesignFileCommands::openPath(const QString& path, bool announceSuccess) {
    const DesignFile::Result result = DesignFile::open(path, view_.model());
    if (result.ok) {
        view_.repaintNow();
        emit designSynced();
    }
    if (!result.ok || announceSuccess) {
        DialogService::instance().showMessage(view_.window(), result.message);
    }
    return result.ok;
}

}  // namespace corvane
