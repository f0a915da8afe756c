#include "playback.h"

#include "win32/browser_view.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/shell_open.h"
#include "win32/window_text.h"

void onCatalogueRowDoubleClicked() {
    HWND list = namedControl("超级列表框1");
    const Text address = cellText(list, selectedRow(list), 1);
    setBrowserAddress(namedControl("超文本浏览框1"), Text(playerPagePrefix) + address);
    const Text title = cellText(list, selectedRow(list), 0);
    setWindowTitle(namedControl("主窗口"), Text(kPlayingTitlePrefix) + title);
}

void onForumLinkPressed() {
    openInDefaultBrowser(kForumAddress);
}
