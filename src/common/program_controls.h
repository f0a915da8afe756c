#pragma once
// The main window's controls and popup menu by the names the window template
// gives them: the one place that spells those names. When the window has
// been created the program checks that each of them exists, so a name the
// template lost ends the program at once instead of leaving a handler without
// its control.

inline constexpr char kMainWindow[] = "主窗口";
inline constexpr char kCategoryMenu[] = "卷帘式菜单1";   // the roll-up menu of categories
inline constexpr char kCatalogueList[] = "超级列表框1";  // titles and addresses to play
inline constexpr char kRouteSelector[] = "组合框2";
inline constexpr char kPlayerView[] = "超文本浏览框1";  // the player page
inline constexpr char kForumLink[] = "透明标签1";
inline constexpr char kDownloadSource[] = "组合框3";
inline constexpr char kDownloadList[] = "超级列表框2";
inline constexpr char kDownloadMenu[] = "菜单";  // the download list's popup menu

// The template's other controls: the window places and draws them, and no
// handler reaches them.
inline constexpr char kResourceBox[] = "分组框1";  // holds the catalogue list
inline constexpr char kSpareCombo[] = "组合框1";
inline constexpr char kJumpButton[] = "按钮1";
inline constexpr char kSpareSpin[] = "调节器1";
inline constexpr char kCategoryLabel[] = "标签1";
inline constexpr char kPageLabel[] = "标签2";
inline constexpr char kTipsLabel[] = "标签3";
inline constexpr char kPlayerBox[] = "分组框2";
inline constexpr char kDownloadBox[] = "分组框3";
inline constexpr char kLinksCaption[] = "透明标签2";
inline constexpr char kSiteLink[] = "透明标签3";
inline constexpr char kMoreLinks[] = "透明标签4";
inline constexpr char kNoticeView[] = "超文本浏览框2";
inline constexpr char kAdvertView[] = "超文本浏览框3";

// Every window above; the popup menu is not a window.
inline constexpr const char* kNamedWindows[] = {
    kMainWindow,     kCategoryMenu, kCatalogueList, kRouteSelector, kPlayerView,  kForumLink,
    kDownloadSource, kDownloadList, kResourceBox,   kSpareCombo,    kJumpButton,  kSpareSpin,
    kCategoryLabel,  kPageLabel,    kTipsLabel,     kPlayerBox,     kDownloadBox, kLinksCaption,
    kSiteLink,       kMoreLinks,    kNoticeView,    kAdvertView,
};
