#include "playlist_fill.h"

#include <utility>

#include "common/program_controls.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"

void fillFromPlaylist(std::vector<PlaylistEntry> entries) {
    HWND list = namedControl(kCatalogueList);
    RowBatch batch(list);
    deleteAllRows(list);
    for (PlaylistEntry& entry : entries) {
        const std::int32_t row = appendRow(list);
        setCellUtf16(list, row, 0, std::move(entry.title));
        setCellUtf16(list, row, 1, std::move(entry.address));
    }
}
