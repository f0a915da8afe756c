// Showing one of the user's lists in the main list.
#include "catalogue/list_actions.h"
#include "common/program_controls.h"
#include "list_messages.h"
#include "list_store.h"
#include "my_lists.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"

namespace {

void showList(const UserList& list) {
    const std::uint32_t action = beginAction(ActionScope::CatalogueRows);
    // The window may process messages while another copy of the program
    // holds the user's files.
    const ListRows read = readUserList(list);
    if (action != latestAction(ActionScope::CatalogueRows)) {
        return;
    }
    if (read.outcome != ListOutcome::Done) {
        tellListOutcome(list, read.outcome);
        return;
    }
    HWND rows = namedControl(kCatalogueList);
    RowBatch batch(rows);
    deleteAllRows(rows);
    for (const ListRow& entry : read.rows) {
        const std::int32_t row = appendRow(rows);
        setCellText(rows, row, 0, entry.title);
        setCellText(rows, row, 1, entry.address);
    }
}

}  // namespace

void showFavourites() {
    showList(kFavourites);
}

void showRecentlyPlayed() {
    showList(kRecentlyPlayed);
}
