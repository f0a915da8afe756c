#include "main_window_checks.h"

#include <gtest/gtest.h>

#include <iterator>

#include "common/program_controls.h"

void expectTabVisitsTheTabStopsInTemplateOrder(const MainWindow& window) {
    const char* order[] = {kCatalogueList,  kRouteSelector, kJumpButton,   kPlayerView,
                           kDownloadSource, kDownloadList,  kCategoryMenu, kCatalogueList};
    SetForegroundWindow(window.handle());
    SetFocus(window.control(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        MSG tab = {GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        IsDialogMessageW(window.handle(), &tab);
        HWND focus = GetFocus();
        HWND expected = window.control(order[i]);
        EXPECT_TRUE(focus == expected || IsChild(expected, focus))
            << "after " << i << " tabs, expected " << order[i];
    }
}
