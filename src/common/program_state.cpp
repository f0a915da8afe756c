#include "program_state.h"

#include <memory>

namespace {
std::unique_ptr<ProgramState> state;
}  // namespace

void createProgramState(ProgramSkin skin) {
    state = std::make_unique<ProgramState>();
    state->skin = std::move(skin);
}

ProgramState* programState() {
    return state.get();
}

void onProgramEnd() {
    if (!state) {
        return;
    }
    // The order of release is fixed: the catalogue's rows first, then the
    // skin, the layout's records, the scratch texts last.
    state->itemTitles = {};
    state->itemAddresses = {};
    state->skin.reset();
    state->childHandles = {};
    state->childPlacements = {};
    state->layoutWindows = {};
    state->layoutPreviousProcs = {};
    state->lastRowText.reset();
    state->downloadListText.reset();
    state.reset();
}
