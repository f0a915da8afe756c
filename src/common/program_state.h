#pragma once
// The program-wide state: one set of variables that lives from start-up to
// the end procedure. Every table starts empty, so no handler meets a missing
// one; every text starts absent.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "table.h"
#include "value_types.h"

// Where a child window sits in its parent, in proportion to the parent's
// client area, for re-laying out the window when it is resized.
struct ChildPlacement {
    double xRatio = 0;
    double yRatio = 0;
    double widthRatio = 0;
    double height = 0;  // a ratio, or pixels when fixedHeight is 1
    std::intptr_t owner = 0;
    std::int32_t fixedHeight = 0;
};

// The skinning library, loaded at start-up and attached by the main window;
// destroying it detaches the skin and unloads the library.
class SkinBinding;
using ProgramSkin = std::unique_ptr<SkinBinding, void (*)(SkinBinding*)>;

struct ProgramState {
    Table<Text> itemTitles;
    Table<Text> itemAddresses;
    std::int32_t fillRow = 0;
    std::int32_t lastRow = 0;
    ProgramSkin skin{nullptr, nullptr};
    std::array<std::int32_t, 4> sizeLimits{};
    std::intptr_t previousWindowProc = 0;
    Table<std::intptr_t> childHandles;
    Table<ChildPlacement> childPlacements;
    Table<std::intptr_t> layoutWindows;
    Table<std::intptr_t> layoutPreviousProcs;
    std::optional<Text> lastRowText;
    std::optional<Text> downloadListText;
};

// Creates the state at start-up; it takes over the skin loaded for it.
void createProgramState(ProgramSkin skin = {nullptr, nullptr});

// The state; null before start-up and after the end procedure.
ProgramState* programState();

// The end procedure: releases the state in its fixed order.
void onProgramEnd();
