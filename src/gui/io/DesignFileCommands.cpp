#include "DesignFileCommands.h"

#include "BowlModel.h"
#include "CommandIds.h"
#include "DesignFile.h"
#include "DesignSurface.h"
#include "DialogService.h"

namespace corvane {

DesignFileCommands::DesignFileCommands(DesignSurface& view) : QObject(&view), view_(view) {
    view_.commands().add(cmd::SaveCsv, [this] { saveCsv(); });
    view_.commands().add(cmd::OpenCsv, [this] { openCsv(); });
}

bool DesignFileCommands::saveCsv() {
    const QString path = DesignFile::chooseCsvSavePath(&view_);
    if (path.isEmpty()) {
        return false;
    }
    const DesignFile::Result result = DesignFile::save(path, view_.model());
    if (result.ok) {
        view_.document().markSaved();
    }
    DialogService::instance().showMessage(view_.window(), result.message);
    return result.ok;
}

bool DesignFileCommands::mayReplaceDesign() {
    if (!view_.document().hasUnsavedChanges()) {
        return true;
    }
    switch (DialogService::instance().askSaveChanges(view_.window())) {
        case SaveChangesAnswer::Discard:
            return true;
        case SaveChangesAnswer::Save:
            return saveCsv();
        case SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}

void DesignFileCommands::openCsv() {
    if (!mayReplaceDesign()) {
        return;
    }
    const QString chosen = DialogService::instance().chooseFile(
        &view_, {QStringLiteral("CSV Files (*.csv)|*.csv||"), QStringLiteral("csv"), false});
    if (!chosen.isEmpty()) {
        openPath(chosen, true);
    }
}

// The file is read into a copy, which takes the design's place only when
// the whole file could be read; the view is repainted with it before the
// message shows.
bool DesignFileCommands::openPath(const QString& path, bool announceSuccess) {
    BowlModel opened = view_.model();
    const DesignFile::Result result = DesignFile::open(path, opened);
    if (result.ok) {
        view_.document().replaceBy(opened);
    }
    if (!result.ok || announceSuccess) {
        DialogService::instance().showMessage(view_.window(), result.message);
    }
    return result.ok;
}

}  // namespace corvane
