#pragma once

namespace corvane {

class CChildView;

// Printing and export take the picture without the active-sector outline:
// while this lives, SymmetrySectors is 0. It is put back, and the view
// repainted at once, on every way out of the command.
class SymmetrySuspension {
public:
    explicit SymmetrySuspension(CChildView& view);
    ~SymmetrySuspension();

    SymmetrySuspension(const SymmetrySuspension&) = delete;
    SymmetrySuspension& operator=(const SymmetrySuspension&) = delete;

    // Puts the count back and repaints now; later calls do nothing.
    void restore();

private:
    CChildView& view_;
    int savedSectors_;
    bool restored_ = false;
};

}  // namespace corvane
