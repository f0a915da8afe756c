#include "download_menu.h"

#include "catalogue/web_address.h"
#include "win32/clipboard.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/named_menus.h"
#include "win32/popup_menu.h"
#include "win32/shell_open.h"

namespace {

constexpr const char* kJoin = "-Nuvri福利下载-";

HWND downloadList() {
    return namedControl("超级列表框2");
}

}  // namespace

void onDownloadListRightClicked() {
    showPopupMenuAtCursor(namedMenu("菜单"), namedControl("主窗口"));
}

void openDownloadAddress() {
    HWND list = downloadList();
    const Text address = cellText(list, selectedRow(list), 2);
    if (isWebAddress(address)) {
        openInDefaultBrowser(address);
    }
}

void copyAddressAndName() {
    HWND downloads = downloadList();
    HWND catalogue = namedControl("超级列表框1");
    const std::int32_t download = selectedRow(downloads);
    const std::int32_t item = selectedRow(catalogue);
    const Text address = cellText(downloads, download, 2);
    if (item != -1) {
        toClipboard(cellText(catalogue, item, 1) + kJoin + address);
    } else if (download != -1) {
        toClipboard(cellText(downloads, download, 1) + kJoin + address);
    }
}

void clearDownloadList() {
    deleteAllRows(downloadList());
}
