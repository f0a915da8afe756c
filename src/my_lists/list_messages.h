#pragma once
// Telling the user that one of their lists could not be read or saved.

#include "list_store.h"

// Says in a message box why `outcome` (other than Done) left `list` unread or
// unchanged.
void tellListOutcome(const UserList& list, ListOutcome outcome);
