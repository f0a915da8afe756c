#pragma once
// The Windows test programs' own message pump.

// Dispatches every message queued for this thread, then returns.
void dispatchQueuedMessages();
