#pragma once
// The main window's controls and popup menu that the program's handlers reach
// by name: the one place that spells the names the window template gives
// them. When the window has been created the program checks that each of them
// exists, so a name the template lost ends the program at once instead of
// leaving a handler without its control.

inline constexpr char kMainWindow[] = "主窗口";
inline constexpr char kCategoryMenu[] = "卷帘式菜单1";   // the roll-up menu of categories
inline constexpr char kCatalogueList[] = "超级列表框1";  // titles and addresses to play
inline constexpr char kRouteSelector[] = "组合框2";
inline constexpr char kPlayerView[] = "超文本浏览框1";  // the player page
inline constexpr char kForumLink[] = "透明标签1";
inline constexpr char kDownloadSource[] = "组合框3";
inline constexpr char kDownloadList[] = "超级列表框2";
inline constexpr char kDownloadMenu[] = "菜单";  // the download list's popup menu

// Every window above; the popup menu is not a window.
inline constexpr const char* kNamedWindows[] = {
    kMainWindow, kCategoryMenu, kCatalogueList,  kRouteSelector,
    kPlayerView, kForumLink,    kDownloadSource, kDownloadList,
};
