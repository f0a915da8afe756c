#pragma once
// The download list's context menu: a right click on kDownloadList shows the
// popup menu kDownloadMenu, whose entries open, copy or clear the list's addresses.

// Shows kDownloadMenu at the mouse cursor; the chosen entry runs its handler.
void onDownloadListRightClicked();

// Opens the selected download row's address (column 2) in the default web
// browser. Nothing happens without a selected row or for an address that is
// not an http or https one.
void openDownloadAddress();

// Copies "title-Nuvri福利下载-address" for the selected download row. With a
// row of the main list selected, column 1 of that row takes the title's
// place, and the address is empty when no download row is selected. With
// neither list selected the clipboard stays as it was.
void copyAddressAndName();

// Removes every row of the download list.
void clearDownloadList();
