#include "CommandTarget.h"

namespace corvane {

void CommandTarget::add(int id, Handler handler) {
    handlers_[id] = std::move(handler);
}

void CommandTarget::addRange(int firstId, int lastId, std::function<void(int)> handler) {
    for (int id = firstId; id <= lastId; ++id) {
        handlers_[id] = [handler, id] { handler(id); };
    }
}

void CommandTarget::setChecked(int id, StateQuery isChecked) {
    checked_[id] = std::move(isChecked);
}

void CommandTarget::setEnabled(int id, StateQuery isEnabled) {
    enabled_[id] = std::move(isEnabled);
}

bool CommandTarget::handles(int id) const {
    return handlers_.count(id) != 0;
}

bool CommandTarget::run(int id) const {
    auto found = handlers_.find(id);
    if (found == handlers_.end()) {
        return false;
    }
    // Copy first: a handler may replace itself while it runs.
    Handler handler = found->second;
    handler();
    return true;
}

const CommandTarget::StateQuery* CommandTarget::checkedQuery(int id) const {
    auto found = checked_.find(id);
    return found == checked_.end() ? nullptr : &found->second;
}

const CommandTarget::StateQuery* CommandTarget::enabledQuery(int id) const {
    auto found = enabled_.find(id);
    return found == enabled_.end() ? nullptr : &found->second;
}

}  // namespace corvane
