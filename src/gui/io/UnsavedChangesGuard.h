#pragma once

#include <QObject>

namespace corvane {

class DesignFileCommands;
class DesignSurface;

// Asks before a design that differs from the one last saved or opened is closed.
class UnsavedChangesGuard : public QObject {
    Q_OBJECT

public:
    UnsavedChangesGuard(DesignSurface& view, DesignFileCommands& files);

    bool hasUnsavedChanges() const;
    // True when closing may go on: no changes, Discard, or a successful Save.
    bool confirmClose();

private:
    DesignSurface& view_;
    DesignFileCommands& files_;
};

}  // namespace corvane
