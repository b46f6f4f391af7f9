#pragma once

#include <functional>
#include <map>

namespace corvane {

// The commands one window or object handles: id -> handler, plus optional
// state callbacks that the menus ask before they open.
class CommandTarget {
public:
    using Handler = std::function<void()>;
    using StateQuery = std::function<bool()>;

    void add(int id, Handler handler);
    void addRange(int firstId, int lastId, std::function<void(int)> handler);
    void setChecked(int id, StateQuery isChecked);
    void setEnabled(int id, StateQuery isEnabled);

    bool handles(int id) const;
    // Runs the handler; false when this target does not handle the command.
    bool run(int id) const;
    // Nothing when this target has no opinion.
    const StateQuery* checkedQuery(int id) const;
    const StateQuery* enabledQuery(int id) const;

private:
    std::map<int, Handler> handlers_;
    std::map<int, StateQuery> checked_;
    std::map<int, StateQuery> enabled_;
};

}  // namespace corvane
