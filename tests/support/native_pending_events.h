#pragma once
// The host's processPendingEvents has no window to serve: it counts its calls
// and runs an action a test gives it, standing in for a handler that the
// message pump would dispatch part-way through a long operation.

#include <functional>

int pendingEventCalls();

// Forgets the count and every action.
void resetPendingEvents();

// Runs action inside the callNumber-th call (1-based, counted since the last
// reset).
void onPendingEventsCall(int callNumber, std::function<void()> action);
