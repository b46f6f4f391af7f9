#pragma once

#include <QObject>

#include <string>

namespace corvane {

class DesignSurface;

// Knows whether the design differs from the one last saved or opened, and
// asks before a changed design is closed.
class UnsavedChangesGuard : public QObject {
    Q_OBJECT

public:
    explicit UnsavedChangesGuard(DesignSurface& view);

    bool hasUnsavedChanges() const;
    // True when closing may go on: no changes, Discard, or a successful Save.
    bool confirmClose();

public slots:
    // The design on screen now matches a file.
    void markSynced();

private:
    std::string designText() const;

    DesignSurface& view_;
    std::string synced_;
};

}  // namespace corvane
