#pragma once
// The skinning library as start-up loads it: from the bytes the program
// carries, before any window exists; the main window attaches it.

#include "common/program_state.h"

ProgramSkin loadProgramSkin();
