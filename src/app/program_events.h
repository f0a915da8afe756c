#pragma once
// The main window's event table: which handler each control event runs.

#include "control_events.h"

EventTable programEventTable();
