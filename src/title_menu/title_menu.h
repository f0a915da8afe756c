#pragma once
// The main list's context menu: what a user does with a title in hand.

#include <cstdint>

// Handler of the main list's context menu, asked for with a right click at
// (x, y) on the screen, or from the keyboard with (-1, -1): a right click on a
// row selects it first; the keyboard's menu is for the selected row.
void onCatalogueListContextMenu(std::int32_t x, std::int32_t y);

// Handler of the main list's double click: plays the selected row.
void playSelectedTitle();

// Handler of Enter on the main list: plays the selected row, if there is one.
void onCatalogueListEnter();
