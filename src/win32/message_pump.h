#pragma once
// Letting the window process what is waiting while a long operation runs.

// Dispatches every message already queued for this thread and returns when
// the queue is empty. A quit message is put back for the main loop to see.
void processPendingEvents();
