#include "program_events.h"

#include "catalogue/category_dispatch.h"
#include "catalogue/download_menu.h"
#include "catalogue/download_source.h"
#include "catalogue/route_selector.h"
#include "common/program_controls.h"
#include "find/title_find.h"
#include "main_window_created.h"
#include "playback/playback.h"
#include "playlists/playlist_open.h"
#include "program_shortcuts.h"
#include "title_menu/title_menu.h"

EventTable programEventTable() {
    return {
        {kMainWindow, ControlEvent::Created,
         [](std::int32_t, std::int32_t) { onMainWindowCreated(); }},
        {kCategoryMenu, ControlEvent::EntryClicked,
         [](std::int32_t group, std::int32_t entry) { onCategoryEntryClicked(group, entry); }},
        {kRouteSelector, ControlEvent::ItemSelected,
         [](std::int32_t, std::int32_t) { onRouteSelected(); }},
        {kCatalogueList, ControlEvent::DoubleClick,
         [](std::int32_t, std::int32_t) { playSelectedTitle(); }},
        {kCatalogueList, ControlEvent::EnterPressed,
         [](std::int32_t, std::int32_t) { onCatalogueListEnter(); }},
        {kCatalogueList, ControlEvent::ContextMenu,
         [](std::int32_t x, std::int32_t y) { onCatalogueListContextMenu(x, y); }},
        {kForumLink, ControlEvent::LeftButtonPressed,
         [](std::int32_t, std::int32_t) { onForumLinkPressed(); }},
        {kDownloadSource, ControlEvent::ItemSelected,
         [](std::int32_t, std::int32_t) { onDownloadSourceSelected(); }},
        {kDownloadList, ControlEvent::RightClick,
         [](std::int32_t, std::int32_t) { onDownloadListRightClicked(); }},
        {kDownloadMenu, ControlEvent::MenuEntryChosen,
         [](std::int32_t entry, std::int32_t) { onDownloadMenuEntryChosen(entry); }},
        {kMainWindow, ControlEvent::Resized, [](std::int32_t, std::int32_t) { placeTitleFind(); }},
        {kFindShortcut, ControlEvent::ShortcutPressed,
         [](std::int32_t, std::int32_t) { openTitleFind(); }},
        {kOpenFileShortcut, ControlEvent::ShortcutPressed,
         [](std::int32_t, std::int32_t) { askForPlaylistFile(); }},
        {kOpenAddressShortcut, ControlEvent::ShortcutPressed,
         [](std::int32_t, std::int32_t) { askForPlaylistAddress(); }},
        {kMainWindow, ControlEvent::FilesDropped,
         [](std::int32_t, std::int32_t) { openDroppedPlaylist(); }},
    };
}
