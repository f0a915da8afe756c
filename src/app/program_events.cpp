#include "program_events.h"

#include "catalogue/category_dispatch.h"
#include "catalogue/route_selector.h"
#include "playback/playback.h"

EventTable programEventTable() {
    return {
        {"卷帘式菜单1", ControlEvent::EntryClicked,
         [](std::int32_t group, std::int32_t entry) { onCategoryEntryClicked(group, entry); }},
        {"组合框2", ControlEvent::ItemSelected,
         [](std::int32_t, std::int32_t) { onRouteSelected(); }},
        {"超级列表框1", ControlEvent::DoubleClick,
         [](std::int32_t, std::int32_t) { onCatalogueRowDoubleClicked(); }},
        {"透明标签1", ControlEvent::LeftButtonPressed,
         [](std::int32_t, std::int32_t) { onForumLinkPressed(); }},
    };
}
