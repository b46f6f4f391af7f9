#pragma once

#include "CommandTarget.h"

#include <vector>

namespace corvane {

// Offers a command to its targets in order (the view first, then the frame,
// then the application) until one handles it. A command that nobody handles
// is shown disabled, as the framework did.
class CommandRouter {
public:
    void setTargets(std::vector<const CommandTarget*> targets);

    bool dispatch(int id) const;
    bool isEnabled(int id) const;
    bool isChecked(int id) const;
    // Whether the command that handles the id has a check mark to show at all.
    bool isCheckable(int id) const;

private:
    const CommandTarget* handlerOf(int id) const;
    std::vector<const CommandTarget*> targets_;
};

}  // namespace corvane
