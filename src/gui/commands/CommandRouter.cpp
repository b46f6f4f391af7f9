#include "CommandRouter.h"

namespace corvane {

void CommandRouter::setTargets(std::vector<const CommandTarget*> targets) {
    targets_ = std::move(targets);
}

const CommandTarget* CommandRouter::handlerOf(int id) const {
    for (const CommandTarget* target : targets_) {
        if (target != nullptr && target->handles(id)) {
            return target;
        }
    }
    return nullptr;
}

bool CommandRouter::dispatch(int id) const {
    const CommandTarget* target = handlerOf(id);
    return target != nullptr && target->run(id);
}

bool CommandRouter::isEnabled(int id) const {
    const CommandTarget* target = handlerOf(id);
    if (target == nullptr) {
        return false;
    }
    const CommandTarget::StateQuery* query = target->enabledQuery(id);
    return query == nullptr || (*query)();
}

bool CommandRouter::isChecked(int id) const {
    const CommandTarget* target = handlerOf(id);
    if (target == nullptr) {
        return false;
    }
    const CommandTarget::StateQuery* query = target->checkedQuery(id);
    return query != nullptr && (*query)();
}

bool CommandRouter::isCheckable(int id) const {
    const CommandTarget* target = handlerOf(id);
    return target != nullptr && target->checkedQuery(id) != nullptr;
}

}  // namespace corvane
