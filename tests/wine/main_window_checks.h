#pragma once
// What holds for the program's main window however it was built or sized.

#include "app/main_window.h"
#include "common/program_controls.h"

// The controls parked below their group box 分组框1, out of sight.
inline constexpr const char* kParkedControls[] = {kRouteSelector, kSpareCombo,    kJumpButton,
                                                  kSpareSpin,     kCategoryLabel, kPageLabel};

// Tab, pressed from the catalogue list, visits the tab stops in the
// template's order and comes back to the list.
void expectTabVisitsTheTabStopsInTemplateOrder(const MainWindow& window);

// Each control lies at its rectangle in the window's template, stretched as
// its parent's client area is now from the one the template designs: the
// window's size less its frame, or the group box's rectangle. Combo boxes
// keep the template's height. Within a pixel.
void expectAtTemplatePlaces(const MainWindow& window);
