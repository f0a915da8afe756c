#include "native_pending_events.h"

#include <map>
#include <utility>

#include "common/pending_events.h"

namespace {

int calls = 0;
std::map<int, std::function<void()>> actions;

}  // namespace

void processPendingEvents() {
    ++calls;
    const auto found = actions.find(calls);
    if (found == actions.end()) {
        return;
    }
    // Taken out first: the action may itself run code that pumps again.
    const std::function<void()> action = std::move(found->second);
    actions.erase(found);
    action();
}

int pendingEventCalls() {
    return calls;
}

void resetPendingEvents() {
    calls = 0;
    actions.clear();
}

void onPendingEventsCall(int callNumber, std::function<void()> action) {
    actions[callNumber] = std::move(action);
}
