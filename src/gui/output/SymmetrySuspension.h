#pragma once

namespace corvane {

class DesignSurface;

// Printing and export take the picture without the active-sector outline:
// while this lives, SymmetrySectors is 0. It is put back, and the view
// repainted at once, on every way out of the command.
class SymmetrySuspension {
public:
    explicit SymmetrySuspension(DesignSurface& view);
    ~SymmetrySuspension();

    SymmetrySuspension(const SymmetrySuspension&) = delete;
    SymmetrySuspension& operator=(const SymmetrySuspension&) = delete;

    // Puts the count back and repaints now; later calls do nothing.
    void restore();

private:
    DesignSurface& view_;
    int savedSectors_;
    bool restored_ = false;
};

}  // namespace corvane
