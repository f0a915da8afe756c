#include "download_menu.h"

#include "catalogue/web_address.h"
#include "common/program_controls.h"
#include "win32/clipboard.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/named_menus.h"
#include "win32/popup_menu.h"
#include "win32/shell_open.h"

namespace {

constexpr const char* kJoin = "-Nuvri福利下载-";

HWND downloadList() {
    return namedControl(kDownloadList);
}

}  // namespace

void onDownloadListRightClicked() {
    showPopupMenuAtCursor(namedMenu(kDownloadMenu), namedControl(kMainWindow));
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
    HWND catalogue = namedControl(kCatalogueList);
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
