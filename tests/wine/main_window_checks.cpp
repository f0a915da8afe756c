#include "main_window_checks.h"

#include <gtest/gtest.h>

#include <iterator>

#include "app/main_window_template.h"
#include "common/program_controls.h"
#include "layout_snapshot.h"

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

void expectAtTemplatePlaces(const MainWindow& window) {
    const WindowTemplate& layout = mainWindowTemplate();
    RECT frame;
    RECT client;
    GetWindowRect(window.handle(), &frame);
    GetClientRect(window.handle(), &client);
    const SIZE windowClient = {layout.width - (frame.right - frame.left - client.right),
                               layout.height - (frame.bottom - frame.top - client.bottom)};
    for (const ControlTemplate& control : layout.controls) {
        SCOPED_TRACE(control.name);
        const ControlTemplate* box = layout.control(control.parent);
        const SIZE parent = box ? SIZE{box->width, box->height} : windowClient;
        expectInProportion(window.control(control.name),
                           {{control.left, control.top, control.width, control.height}, parent},
                           control.kind == ControlKind::ComboBox);
    }
}
