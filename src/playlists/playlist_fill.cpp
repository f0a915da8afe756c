#include "playlist_fill.h"

#include <string>

#include "common/program_controls.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"

namespace {

std::wstring wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace

void fillFromPlaylist(const std::vector<PlaylistEntry>& entries) {
    HWND list = namedControl(kCatalogueList);
    RowBatch batch(list);
    deleteAllRows(list);
    for (const PlaylistEntry& entry : entries) {
        const std::int32_t row = appendRow(list);
        setCellWide(list, row, 0, wide(entry.title));
        setCellWide(list, row, 1, wide(entry.address));
    }
}
