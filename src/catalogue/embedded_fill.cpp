#include "embedded_fill.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/extract_between_markers.h"
#include "catalogue/list_actions.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"

void fillFromEmbeddedPlaylist(std::string_view playlist, std::string_view titleTag,
                              std::string_view addressTag) {
    HWND list = namedControl(kCatalogueList);
    ProgramState* state = programState();
    // A later action begun from the message processing of the extraction
    // overtakes this fill.
    const std::uint32_t action = latestAction(ActionScope::CatalogueRows);
    // The list is drawn once, when the fill is done.
    RowBatch batch(list);
    deleteAllRows(list);

    // Each fill extracts into lists of its own, so a fill started meanwhile
    // cannot change what this one reads.
    Table<Text> titles;
    Table<Text> addresses;
    extractBetweenMarkers(playlist, titleTag, "|", titles);
    extractBetweenMarkers(playlist, addressTag, "|", addresses);
    if (action != latestAction(ActionScope::CatalogueRows) || !state) {
        return;
    }
    state->itemTitles = std::move(titles);
    state->itemAddresses = std::move(addresses);

    // A playlist with fewer addresses than titles fills only the complete rows.
    const std::int32_t rows = std::min(count(state->itemTitles), count(state->itemAddresses));
    for (state->fillRow = 1; state->fillRow <= rows; ++state->fillRow) {
        state->lastRow = appendRow(list);
        setCellText(list, state->lastRow, 0, state->itemTitles[state->fillRow]);
        setCellText(list, state->lastRow, 1, state->itemAddresses[state->fillRow]);
    }
}
