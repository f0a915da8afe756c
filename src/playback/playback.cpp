#include "playback.h"

#include "common/program_controls.h"
#include "win32/browser_view.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/shell_open.h"
#include "win32/window_text.h"

void onCatalogueRowDoubleClicked() {
    HWND list = namedControl(kCatalogueList);
    const Text address = cellText(list, selectedRow(list), 1);
    setBrowserAddress(namedControl(kPlayerView), Text(playerPagePrefix) + address);
    const Text title = cellText(list, selectedRow(list), 0);
    setWindowTitle(namedControl(kMainWindow), Text(kPlayingTitlePrefix) + title);
}

void onForumLinkPressed() {
    openInDefaultBrowser(kForumAddress);
}
