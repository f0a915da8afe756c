#pragma once
// The Windows message pump behind processPendingEvents. A quit message found
// in the queue is put back for the main loop to see.

#include "common/pending_events.h"
