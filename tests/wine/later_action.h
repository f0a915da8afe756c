#pragma once
// A user action that arrives while a handler still runs: a message queued
// before the handler starts performs it from the handler's first message
// processing (the extraction of an embedded fill, the wait for an answer),
// through a message-only window of the test.

#include <functional>

// Performs `first`, and `later` while `first` still runs; true when `later`
// really came in the middle.
bool overtake(const std::function<void()>& first, std::function<void()> later);
