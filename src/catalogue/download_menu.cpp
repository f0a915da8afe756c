#include "download_menu.h"

#include "catalogue/download_separator.h"
#include "catalogue/web_address.h"
#include "common/program_controls.h"
#include "win32/clipboard.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/named_menus.h"
#include "win32/popup_menu.h"
#include "win32/shell_open.h"

namespace {

HWND downloadList() {
    return namedControl(kDownloadList);
}

// Opens the selected download row's address (column 2) in the default web
// browser. Nothing happens without a selected row or for an address that is
// not an http or https one.
void openDownloadAddress() {
    HWND list = downloadList();
    const Text address = cellText(list, selectedRow(list), 2);
    if (isWebAddress(address)) {
        openInDefaultBrowser(address);
    }
}

// Copies "title-Nuvri福利下载-address" for the selected download row. With a
// row of the main list selected, column 1 of that row takes the title's
// place, and the address is empty when no download row is selected. With
// neither list selected the clipboard stays as it was.
void copyAddressAndName() {
    HWND downloads = downloadList();
    HWND catalogue = namedControl(kCatalogueList);
    const std::int32_t download = selectedRow(downloads);
    const std::int32_t item = selectedRow(catalogue);
    const Text address = cellText(downloads, download, 2);
    if (item != -1) {
        toClipboard(cellText(catalogue, item, 1) + kDownloadSeparator + address);
    } else if (download != -1) {
        toClipboard(cellText(downloads, download, 1) + kDownloadSeparator + address);
    }
}

}  // namespace

void onDownloadListRightClicked() {
    showPopupMenuAtCursor(namedMenu(kDownloadMenu), namedControl(kMainWindow));
}

void onDownloadMenuEntryChosen(std::int32_t entry) {
    if (entry == 1) {
        openDownloadAddress();
    } else if (entry == 2) {
        copyAddressAndName();
    } else if (entry == 3) {
        deleteAllRows(downloadList());
    }
}
