#include "program_events.h"

#include "catalogue/category_dispatch.h"
#include "catalogue/download_menu.h"
#include "catalogue/download_source.h"
#include "catalogue/route_selector.h"
#include "main_window_created.h"
#include "playback/playback.h"

EventTable programEventTable() {
    return {
        {"主窗口", ControlEvent::Created, [](std::int32_t, std::int32_t) { onMainWindowCreated(); }},
        {"卷帘式菜单1", ControlEvent::EntryClicked,
         [](std::int32_t group, std::int32_t entry) { onCategoryEntryClicked(group, entry); }},
        {"组合框2", ControlEvent::ItemSelected,
         [](std::int32_t, std::int32_t) { onRouteSelected(); }},
        {"超级列表框1", ControlEvent::DoubleClick,
         [](std::int32_t, std::int32_t) { onCatalogueRowDoubleClicked(); }},
        {"透明标签1", ControlEvent::LeftButtonPressed,
         [](std::int32_t, std::int32_t) { onForumLinkPressed(); }},
        {"组合框3", ControlEvent::ItemSelected,
         [](std::int32_t, std::int32_t) { onDownloadSourceSelected(); }},
        {"超级列表框2", ControlEvent::RightClick,
         [](std::int32_t, std::int32_t) { onDownloadListRightClicked(); }},
        {"菜单", ControlEvent::MenuEntryChosen,
         [](std::int32_t entry, std::int32_t) {
             if (entry == 1) {
                 openDownloadAddress();
             } else if (entry == 2) {
                 copyAddressAndName();
             } else if (entry == 3) {
                 clearDownloadList();
             }
         }},
    };
}
