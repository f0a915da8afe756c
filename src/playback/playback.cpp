#include "playback.h"

#include "common/program_controls.h"
#include "win32/browser_view.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/shell_open.h"
#include "win32/wide_text.h"
#include "win32/window_text.h"

// The cells are read whole, so that a title or address holding characters GBK
// lacks (from the user's own playlists) plays and shows intact.
void onCatalogueRowDoubleClicked() {
    HWND list = namedControl(kCatalogueList);
    const std::wstring address = cellWide(list, selectedRow(list), 1);
    setBrowserAddressWide(namedControl(kPlayerView), toWide(playerPagePrefix) + address);
    const std::wstring title = cellWide(list, selectedRow(list), 0);
    setWindowTitleWide(namedControl(kMainWindow), toWide(kPlayingTitlePrefix) + title);
}

void onForumLinkPressed() {
    openInDefaultBrowser(kForumAddress);
}
