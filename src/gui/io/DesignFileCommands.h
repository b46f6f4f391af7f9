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
    void openCsv();
    // Opens a design named on the command line; failures are shown, success is quiet.
    bool openPath(const QString& path, bool announceSuccess);

    static DesignFileCommands* of(DesignSurface& view);

signals:
    // The design on screen now matches a file (after a save or an open).
    void designSynced();

private:
    DesignSurface& view_;
};

}  // namespace corvane
