#pragma once

#include <QObject>

namespace corvane {

class DesignSurface;

// "Save as CSV (for Excel) File (can be recalled)" and
// "Open Exisiting CSV File from Corvane".
class DesignFileCommands : public QObject {
    Q_OBJECT

public:
    explicit DesignFileCommands(DesignSurface& view);

    // True when the design was written.
    bool saveCsv();
    // Asks first when the design has changes that were not saved.
    void openCsv();
    // True when the design on screen may make way for another: no unsaved
    // changes, Discard, or a successful Save. Cancel, or a Save that was
    // cancelled or failed, keeps it.
    bool mayReplaceDesign();
    // Opens a design named on the command line; failures are shown, success is quiet.
    bool openPath(const QString& path, bool announceSuccess);

private:
    DesignSurface& view_;
};

}  // namespace corvane
