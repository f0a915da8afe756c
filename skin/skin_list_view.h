#pragma once
// A list view's three colours, read and set together.

#include <windows.h>

#include "skinned_window.h"

ListViewColours listViewColours(HWND list);
void setListViewColours(HWND list, const ListViewColours& colours);
