// The main window as its template describes it, checked against the table
// of the window's controls written out here independently.
#include "app/main_window.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window_template.h"
#include "catalogue/catalogue_entries.h"
#include "common/program_controls.h"
#include "layout_snapshot.h"
#include "main_window_checks.h"
#include "queued_messages.h"
#include "screenshot.h"
#include "win32/process_setup.h"
#include "win32/rollup_menu.h"
#include "win32/transparent_label.h"
#include "win32/wide_text.h"

namespace {

struct Expected {
    const char* name;
    const wchar_t* className;
    const char* parent;  // null: the window itself
    RECT place;          // left, top, width, height
    const wchar_t* text;
    bool tabStop;
    bool disabled;
};

const Expected kControls[] = {
    {kResourceBox,
     L"NuvriGroupBox",
     nullptr,
     {9, 5, 310, 251},
     L"资源区点击标题即可播放",
     false,
     false},
    {kCatalogueList, L"SysListView32", kResourceBox, {3, 15, 304, 236}, L"", true, false},
    {kRouteSelector, L"ComboBox", kResourceBox, {14, 531, 297, 20}, L"", true, false},
    {kSpareCombo, L"ComboBox", kResourceBox, {46, 536, 296, 20}, L"", false, false},
    {kJumpButton, L"Button", kResourceBox, {230, 486, 88, 24}, L"跳转", true, false},
    {kSpareSpin, L"msctls_updown32", kResourceBox, {102, 550, 48, 24}, L"", false, false},
    {kCategoryLabel, L"Static", kResourceBox, {54, 555, 56, 16}, L"资源分类", false, false},
    {kPageLabel, L"Static", kResourceBox, {163, 554, 56, 16}, L"?/?", false, false},
    {kTipsLabel,
     L"Static",
     nullptr,
     {16, 256, 288, 112},
     L"\r\n\r\n\r\n温馨提示：点击视频播放丶请等待缓冲丶\r\n\r\n如果视频加载失败丶 "
     L"请更换视频观看\r\n\r\n"
     L"软件使用人数较多丶缓冲速度取决于自己网速",
     false,
     false},
    {kPlayerBox,
     L"NuvriGroupBox",
     nullptr,
     {323, 13, 464, 363},
     L"播放区域      温馨提示请勿相信视频中的广告以免被骗跟作者无关",
     false,
     false},
    {kPlayerView,
     L"NuvriBrowserView",
     kPlayerBox,
     {3, 17, 458, 346},
     L"http://127.0.0.1:8460/Nuvri公告.txt",
     true,
     false},
    {kDownloadBox, L"NuvriGroupBox", nullptr, {8, 376, 776, 168}, L"", false, false},
    {kDownloadSource, L"ComboBox", kDownloadBox, {8, 8, 120, 20}, L"点我选择下载地址", true, false},
    {kDownloadList, L"SysListView32", kDownloadBox, {8, 38, 760, 128}, L"", true, false},
    {kLinksCaption,
     L"NuvriTransparentLabel",
     kDownloadBox,
     {158, 9, 66, 24},
     L"友情链接：",
     false,
     false},
    {kForumLink,
     L"NuvriTransparentLabel",
     kDownloadBox,
     {224, 11, 66, 24},
     L"Nuvri论坛",
     false,
     false},
    {kSiteLink,
     L"NuvriTransparentLabel",
     kDownloadBox,
     {288, 13, 66, 24},
     L"Nuvri官网",
     false,
     false},
    {kMoreLinks,
     L"NuvriTransparentLabel",
     kDownloadBox,
     {352, 14, 88, 24},
     L"更多等待添加",
     false,
     false},
    {kNoticeView,
     L"NuvriBrowserView",
     nullptr,
     {8, 552, 936, 32},
     L"http://127.0.0.1:8460/000.txt",
     true,
     true},
    {kAdvertView,
     L"NuvriBrowserView",
     nullptr,
     {8, 592, 936, 64},
     L"http://127.0.0.1:8460/111.txt",
     true,
     true},
    {kCategoryMenu, L"NuvriRollupMenu", nullptr, {790, 20, 152, 524}, L"", true, false},
};

std::wstring textOf(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

std::wstring classOf(HWND window) {
    wchar_t buffer[64] = {};
    GetClassNameW(window, buffer, 64);
    return buffer;
}

std::vector<std::wstring> comboItems(HWND combo) {
    std::vector<std::wstring> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t buffer[256] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
        items.push_back(buffer);
    }
    return items;
}

std::vector<std::pair<std::wstring, int>> listColumns(HWND list) {
    std::vector<std::pair<std::wstring, int>> columns;
    for (int i = 0;; ++i) {
        wchar_t buffer[256] = {};
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = buffer;
        column.cchTextMax = 256;
        if (!SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column))) {
            return columns;
        }
        columns.emplace_back(buffer, column.cx);
    }
}

// The height of a line of text in `control`'s font.
int lineHeight(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

struct RaisedEvent {
    std::string source;
    ControlEvent event;
    std::int32_t first;
    std::int32_t second;
    bool operator==(const RaisedEvent&) const = default;
};

std::vector<RaisedEvent> raised;

// Every event of the window's event list, bound to a recorder.
EventTable recordingTable() {
    const std::pair<const char*, ControlEvent> events[] = {
        {kCategoryMenu, ControlEvent::EntryClicked},
        {kRouteSelector, ControlEvent::ItemSelected},
        {kDownloadSource, ControlEvent::ItemSelected},
        {kCatalogueList, ControlEvent::DoubleClick},
        {kDownloadList, ControlEvent::RightClick},
        {kDownloadMenu, ControlEvent::MenuEntryChosen},
        {kForumLink, ControlEvent::LeftButtonPressed},
        {kJumpButton, ControlEvent::Clicked},
    };
    EventTable table;
    for (const auto& [source, event] : events) {
        table.push_back({source, event, [source, event](std::int32_t first, std::int32_t second) {
                             raised.push_back({source, event, first, second});
                         }});
    }
    return table;
}

class MainWindowTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ole = new OleSession;
        window = new MainWindow(mainWindowTemplate(), recordingTable());
        ASSERT_TRUE(window->create());
    }
    static void TearDownTestSuite() {
        DestroyWindow(window->handle());
        delete window;
        delete ole;
    }
    static HWND control(const char* name) { return window->control(name); }

    static inline OleSession* ole = nullptr;
    static inline MainWindow* window = nullptr;
};

}  // namespace

TEST_F(MainWindowTest, WindowIsCentredWithItsTitle) {
    RECT rect;
    GetWindowRect(window->handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 960);
    EXPECT_EQ(rect.bottom - rect.top, 706);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 960) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 706) / 2);
    EXPECT_EQ(textOf(window->handle()), L"Nuvri福利视频播放器");
}

TEST_F(MainWindowTest, EveryControlHasItsClassParentPlaceTextAndInput) {
    for (const Expected& expected : kControls) {
        SCOPED_TRACE(expected.name);
        HWND made = control(expected.name);
        ASSERT_NE(made, nullptr);
        HWND parent = expected.parent ? control(expected.parent) : window->handle();
        EXPECT_EQ(GetParent(made), parent);
        EXPECT_EQ(classOf(made), expected.className);
        const RECT place = placeIn(made, parent);
        EXPECT_EQ(place.left, expected.place.left);
        EXPECT_EQ(place.top, expected.place.top);
        EXPECT_EQ(place.right, expected.place.right);
        EXPECT_EQ(place.bottom, expected.place.bottom);
        EXPECT_EQ(textOf(made), expected.text);
        const LONG style = GetWindowLongW(made, GWL_STYLE);
        EXPECT_EQ((style & WS_TABSTOP) != 0, expected.tabStop);
        EXPECT_EQ((style & WS_DISABLED) != 0, expected.disabled);
        EXPECT_TRUE(style & WS_VISIBLE);
    }
}

TEST_F(MainWindowTest, ListsComboBoxesAndMenusHoldTheirItems) {
    using Columns = std::vector<std::pair<std::wstring, int>>;
    EXPECT_EQ(listColumns(control(kCatalogueList)),
              (Columns{{L"序号", 400}, {L"标题", 1}, {L"地址", 1}}));
    EXPECT_EQ(listColumns(control(kDownloadList)),
              (Columns{{L"索引", 50},
                       {L"标题", 200},
                       {L"网址     温馨提示选择标题点击鼠标右键即可下载", 500}}));

    const auto routes = comboItems(control(kRouteSelector));
    ASSERT_EQ(routes.size(), 13u);
    EXPECT_EQ(routes[2], L"线路2每个线路（1000部）不同视频");
    EXPECT_EQ(routes[11], L"线路11每个线路（1000部）不同视频");
    EXPECT_EQ(routes[12], L"");
    const auto categories = comboItems(control(kSpareCombo));
    ASSERT_EQ(categories.size(), 6u);
    EXPECT_EQ(categories[0], L"首页");
    EXPECT_EQ(categories[5], L"最新电影");
    EXPECT_EQ(comboItems(control(kDownloadSource)),
              (std::vector<std::wstring>{L"视频下载", L"套图下载"}));
    for (const char* combo : {kSpareCombo, kRouteSelector, kDownloadSource}) {
        EXPECT_EQ(SendMessageW(control(combo), CB_GETCURSEL, 0, 0), CB_ERR) << combo;
    }

    HMENU menu = window->popupMenu(kDownloadMenu);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const wchar_t* entries[] = {L"打开下载网址", L"复制地址+名称", L"清空"};
    for (int i = 0; i < 3; ++i) {
        wchar_t buffer[64] = {};
        GetMenuStringW(menu, i, buffer, 64, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(buffer), entries[i]);
    }
}

// A click hands the handler a group and an entry, which it turns into the
// caption it looks up in the catalogue: each of the catalogue's entries must
// come back from its own place in the menu the window built, and nothing
// from beyond a group's last entry or from what is not a menu.
TEST_F(MainWindowTest, CategoryMenuGivesEachCatalogueEntrysCaptionAtItsPlace) {
    HWND menu = control(kCategoryMenu);
    ASSERT_EQ(catalogueEntries().size(), 38u);
    for (const CatalogueEntry& entry : catalogueEntries()) {
        EXPECT_EQ(rollupMenuCaption(menu, entry.entry, entry.group), entry.caption)
            << "group " << entry.group << ", entry " << entry.entry;
    }
    const int sizes[] = {20, 10, 2, 2, 1, 2, 1};
    for (int group = 0; group < 7; ++group) {
        EXPECT_EQ(rollupMenuCaption(menu, sizes[group], group), "") << group;
        EXPECT_EQ(rollupMenuCaption(menu, -1, group), "") << group;
    }
    EXPECT_EQ(rollupMenuCaption(menu, 0, -1), "");
    EXPECT_EQ(rollupMenuCaption(menu, 0, 7), "");
    EXPECT_EQ(rollupMenuCaption(control(kCatalogueList), 0, 0), "");
    EXPECT_EQ(rollupMenuCaption(nullptr, 0, 0), "");
}

TEST_F(MainWindowTest, ParkedControlsLieOutsideTheirGroupBox) {
    RECT box;
    GetClientRect(control(kResourceBox), &box);
    for (const char* parked : kParkedControls) {
        EXPECT_GT(placeIn(control(parked), control(kResourceBox)).top, box.bottom) << parked;
    }
}

TEST_F(MainWindowTest, TabVisitsTheTabStopsInTemplateOrder) {
    expectTabVisitsTheTabStopsInTemplateOrder(*window);
}

// What the window shows, each part where the template puts it: the group
// boxes' captions in their top edges, the tips below their three empty
// lines, each link in its colour, and the category menu's first header at
// its top and the other six at its bottom, with the open group's entries
// between them.
TEST_F(MainWindowTest, ScreenshotShowsCaptionsLinksAndHeadersWhereTheTemplatePutsThem) {
    RedrawWindow(window->handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const Screenshot shot(window->handle(), L"main_window");
    EXPECT_TRUE(shot.saved());
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const auto inked = [](COLORREF ink) {
        return [ink](COLORREF pixel) { return showsInk(pixel, ink); };
    };

    // Above row 15, where the first child of each box begins.
    for (const char* box : {kResourceBox, kPlayerBox}) {
        HWND made = control(box);
        EXPECT_GT(shot.count(made, {8, 0, clientSize(made).cx - 8, 15}, inked(text)), 100) << box;
    }

    HWND tips = control(kTipsLabel);
    const int line = lineHeight(tips);
    EXPECT_EQ(shot.count(tips, {0, 0, 288, 3 * line}, inked(text)), 0);
    EXPECT_GT(shot.count(tips, {0, 3 * line, 288, 112}, inked(text)), 300);

    const std::pair<const char*, COLORREF> links[] = {{kLinksCaption, RGB(0, 0, 0)},
                                                      {kForumLink, RGB(255, 0, 0)},
                                                      {kSiteLink, RGB(128, 0, 128)},
                                                      {kMoreLinks, RGB(0, 128, 128)}};
    for (const auto& [link, colour] : links) {
        SCOPED_TRACE(link);
        HWND label = control(link);
        // Each link overlaps the next by two pixels.
        const RECT area = {2, 0, clientSize(label).cx - 2, clientSize(label).cy};
        EXPECT_GT(shot.count(label, area, inked(colour)), 30);
        for (const auto& [other, otherColour] : links) {
            if (other != link) {
                EXPECT_EQ(shot.count(label, area, inked(otherColour)), 0) << other;
            }
        }
    }

    // 24-pixel headers on the button face; entries on the window colour.
    HWND menu = control(kCategoryMenu);
    const auto face = [](COLORREF pixel) { return pixel == GetSysColor(COLOR_BTNFACE); };
    const auto paper = [](COLORREF pixel) { return pixel == GetSysColor(COLOR_WINDOW); };
    for (const int top : {0, 380, 404, 428, 452, 476, 500}) {
        SCOPED_TRACE(top);
        const RECT header = {0, top, 152, top + 24};
        EXPECT_GT(shot.count(menu, header, face), 152 * 24 / 2);
        EXPECT_GT(shot.count(menu, header, inked(GetSysColor(COLOR_BTNTEXT))), 20);
    }
    // Left of the scroll arrows, which are button face too.
    const RECT entries = {0, 24, 130, 380};
    EXPECT_GT(shot.count(menu, entries, paper), 130 * 356 / 2);
    EXPECT_EQ(shot.count(menu, entries, face), 0);
}

TEST_F(MainWindowTest, ControlEventsReachTheirHandlers) {
    raised.clear();
    // The roll-up menu's own notification, as a click on an entry sends it.
    HWND menu = control(kCategoryMenu);
    RollupEntryClicked clicked = {
        {menu, static_cast<UINT_PTR>(GetDlgCtrlID(menu)), kRollupEntryClicked}, 1, 3};
    SendMessageW(window->handle(), WM_NOTIFY, clicked.header.idFrom,
                 reinterpret_cast<LPARAM>(&clicked));

    // Real input to the controls inside the group boxes. A new selection on
    // the closed box is a choice, raised once its notifications are in.
    HWND routes = control(kRouteSelector);
    SendMessageW(routes, CB_SETCURSEL, 2, 0);
    SendMessageW(GetParent(routes), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(routes), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(routes));
    dispatchQueuedMessages();
    SendMessageW(control(kJumpButton), BM_CLICK, 0, 0);
    HWND list = control(kCatalogueList);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 50));
    HWND downloads = control(kDownloadList);
    // The list waits in a drag-detection loop after the button goes down, so
    // the release must already be queued.
    PostMessageW(downloads, WM_RBUTTONUP, 0, MAKELPARAM(300, 80));
    SendMessageW(downloads, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(300, 80));
    SendMessageW(control(kForumLink), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control(kSiteLink), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(window->handle(), WM_COMMAND, MAKEWPARAM(3001, 0), 0);  // the menu's 2nd entry

    const std::vector<RaisedEvent> expected = {
        {kCategoryMenu, ControlEvent::EntryClicked, 1, 3},
        {kRouteSelector, ControlEvent::ItemSelected, 0, 0},
        {kJumpButton, ControlEvent::Clicked, 0, 0},
        {kCatalogueList, ControlEvent::DoubleClick, 0, 0},
        {kDownloadList, ControlEvent::RightClick, 0, 0},
        {kForumLink, ControlEvent::LeftButtonPressed, 0, 0},
        {kDownloadMenu, ControlEvent::MenuEntryChosen, 2, 0},
    };
    EXPECT_EQ(raised, expected);
}
