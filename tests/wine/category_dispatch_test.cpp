// The category menu in the real main window against the reference list
// service: every entry's action, and the remote fills under faults.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "catalogue/catalogue_entries.h"
#include "catalogue/embedded_playlists.h"
#include "common/hosts.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "common/text.h"
#include "common/utf8_to_gbk.h"
#include "dialog_watcher.h"
#include "later_action.h"
#include "program_window.h"
#include "queued_messages.h"
#include "screenshot.h"
#include "service_control.h"
#include "win32/browser_view.h"
#include "win32/combo_choice.h"
#include "win32/list_view.h"
#include "win32/rollup_menu.h"
#include "win32/standard_controls.h"
#include "win32/window_text.h"

namespace {

const Text kService = Text("http://") + kListServiceHost;
// Written without a scheme; the view reports it as the web address it is.
const Text kInformationPage = Text("http://") + kNoticeHost + "/vovu.php.html";

struct Row {
    Text title;
    Text address;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << "[" << row.title << " | " << row.address << "]";
}

// The rows the service says its current answer for `path` holds.
std::vector<Row> expectedRows(std::string_view path) {
    std::vector<Row> rows;
    const Text lines =
        utf8ToGbk(serviceControl("expected?format=lines&path=" + percentEncoded(path)));
    for (const Text& line : gbk::split(lines, "\r\n")) {
        const Table<Text> cells = gbk::split(line, "\t");
        rows.push_back({cells.size() > 0 ? cells[1] : "", cells.size() > 1 ? cells[2] : ""});
    }
    return rows;
}

void setFault(std::string_view path, std::string_view fault) {
    serviceControl("fault?path=" + percentEncoded(path) + "&" + Text(fault));
}

// The pointer that `window` shows when the mouse moves over it.
HCURSOR pointerOver(HWND window) {
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

class CategoryDispatchTest : public ProgramWindowTest {
  protected:
    void SetUp() override { serviceControl("reset"); }
    void TearDown() override { serviceControl("reset"); }

    static HWND list() { return window->control(kCatalogueList); }
    static HWND player() { return window->control(kPlayerView); }

    // Clicks the entry as the menu reports a click to its parent.
    static void click(int group, int entry) {
        HWND menu = window->control(kCategoryMenu);
        reportEntryClicked(menu, group, entry);
    }

    static std::vector<Row> rows() {
        std::vector<Row> found;
        for (int row = 0; row < rowCount(list()); ++row) {
            found.push_back({cellText(list(), row, 0), cellText(list(), row, 1)});
        }
        return found;
    }
};

std::vector<const CatalogueEntry*> entriesWith(EntryAction action) {
    std::vector<const CatalogueEntry*> found;
    for (const CatalogueEntry& entry : catalogueEntries()) {
        if (entry.action == action) {
            found.push_back(&entry);
        }
    }
    return found;
}

}  // namespace

TEST_F(CategoryDispatchTest, EveryRemoteEntryFillsExactlyTheItemsOfItsAnswer) {
    const auto remote = entriesWith(EntryAction::RemoteList);
    ASSERT_EQ(remote.size(), 13u);
    for (const CatalogueEntry* entry : remote) {
        setBrowserAddress(player(), "about:blank");
        click(entry->group, entry->entry);
        const std::vector<Row> expected = expectedRows(entry->text);
        EXPECT_GE(expected.size(), 4u) << entry->text;
        EXPECT_EQ(rows(), expected) << entry->caption;
        EXPECT_EQ(browserAddress(player()), kInformationPage) << entry->caption;
    }
    saveScreenshot(window->handle(), L"remote_list");
}

TEST_F(CategoryDispatchTest, ARemoteFillReplacesTheRowsOfTheFillBefore) {
    click(1, 0);
    click(1, 0);
    EXPECT_EQ(rows(), expectedRows("/zb/douyu.php?p=4"));
}

// Whatever the kinds of two actions, the later one decides what it acts on:
// the list and browser view 1, or the view alone; an overtaken fill writes no
// rows and leaves the view alone.
TEST_F(CategoryDispatchTest, ALaterActionOvertakesAFillStillRunning) {
    // The largest playlist: its extraction surely lets a timer through.
    const auto embeddedEntries = entriesWith(EntryAction::EmbeddedList);
    const CatalogueEntry* embedded =
        *std::max_element(embeddedEntries.begin(), embeddedEntries.end(), [](auto* a, auto* b) {
            return embeddedPlaylist(a->playlist).size() < embeddedPlaylist(b->playlist).size();
        });
    const CatalogueEntry* remote = entriesWith(EntryAction::RemoteList).front();
    const CatalogueEntry* television = entriesWith(EntryAction::FixedPage).front();
    const std::vector<Row> remoteRows = expectedRows(remote->text);
    ASSERT_FALSE(remoteRows.empty());
    const auto clickOn = [](const CatalogueEntry* entry) {
        return [entry] { click(entry->group, entry->entry); };
    };

    SCOPED_TRACE("embedded, then remote");
    ASSERT_TRUE(overtake(clickOn(embedded), clickOn(remote)));
    EXPECT_EQ(rows(), remoteRows);
    EXPECT_EQ(browserAddress(player()), kInformationPage);

    SCOPED_TRACE("remote with a slow answer, then embedded");
    click(remote->group, remote->entry);
    setFault(remote->text, "mode=delay&ms=1500");
    setBrowserAddress(player(), "about:blank");
    ASSERT_TRUE(overtake(clickOn(remote), clickOn(embedded)));
    const std::vector<Row> embeddedRows = rows();
    EXPECT_GT(embeddedRows.size(), 900u);
    EXPECT_EQ(embeddedRows.front().title, programState()->itemTitles[1]);
    EXPECT_EQ(browserAddress(player()), kInformationPage);
    serviceControl("reset");

    // A channel takes browser view 1 alone: the fill still ends with its rows.
    SCOPED_TRACE("embedded, then television");
    ASSERT_TRUE(overtake(clickOn(embedded), clickOn(television)));
    EXPECT_EQ(rows(), embeddedRows);
    EXPECT_EQ(browserAddress(player()), television->text);

    // The pointer over the window says a list is on its way until it came.
    SCOPED_TRACE("remote with a slow answer, then television");
    setFault(remote->text, "mode=delay&ms=1500");
    bool waitPointerMeanwhile = false;
    ASSERT_TRUE(overtake(clickOn(remote), [&] {
        waitPointerMeanwhile = pointerOver(list()) == LoadCursorW(nullptr, IDC_APPSTARTING);
        clickOn(television)();
    }));
    EXPECT_EQ(rows(), remoteRows);
    EXPECT_EQ(browserAddress(player()), television->text);
    EXPECT_TRUE(waitPointerMeanwhile);
    EXPECT_EQ(pointerOver(list()), LoadCursorW(nullptr, IDC_ARROW));
    serviceControl("reset");

    SCOPED_TRACE("route, then menu entry");
    HWND routes = window->control(kRouteSelector);
    const auto chooseRoute = [routes] {
        SendMessageW(routes, CB_SETCURSEL, 1, 0);
        SendMessageW(window->handle(), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(routes), kComboChoiceConfirmed),
                     reinterpret_cast<LPARAM>(routes));
    };
    ASSERT_TRUE(overtake(chooseRoute, clickOn(remote)));
    EXPECT_EQ(rows(), remoteRows);
    EXPECT_EQ(browserAddress(player()), kInformationPage);
}

TEST_F(CategoryDispatchTest, AClickAsksTheServiceOnceWithCommasAsWrittenAndNoCookie) {
    const Text path = "/zb/douyu.php?p=23,38,39,40,41,59,61,62,93,88";
    click(1, 6);
    const Text recorded = serviceControl("requests");
    const Table<Text> pieces = gbk::split(recorded, "\"path\": \"" + path + "\"");
    EXPECT_EQ(pieces.size(), 2) << recorded;
    EXPECT_EQ(gbk::split(recorded, "\"method\": \"GET\"").size(), 2) << recorded;
    EXPECT_LT(gbk::find(recorded, "Cookie"), 0) << recorded;
    EXPECT_GT(gbk::find(recorded, "[\"Referer\", \"" + kService + path + "\"]"), 0) << recorded;
}

// Browser view 1's first address, the notice, as the window's creation
// writes it.
TEST_F(CategoryDispatchTest, AnAddressWithChineseCharactersReachesTheServiceIntact) {
    const Text notice = Text("http://") + kNoticeHost + "/Nuvri公告.txt";
    setBrowserAddress(player(), notice);
    Text recorded;
    for (int tries = 0; tries < 50 && gbk::find(recorded, "/Nuvri") < 0; ++tries) {
        dispatchQueuedMessages();
        Sleep(100);
        recorded = serviceControl("requests");
    }
    EXPECT_GT(gbk::find(recorded, "\"path\": \"/Nuvri%E5%85%AC%E5%91%8A.txt\""), 0) << recorded;
    EXPECT_EQ(browserAddress(player()), notice);
}

TEST_F(CategoryDispatchTest, FixedPagesChangeOnlyBrowserViewOne) {
    click(1, 1);
    const std::vector<Row> before = rows();
    const Text title = windowTitle(window->handle());
    HWND downloads = window->control(kDownloadList);
    appendRow(downloads);
    for (const CatalogueEntry* entry : entriesWith(EntryAction::FixedPage)) {
        click(entry->group, entry->entry);
        EXPECT_EQ(browserAddress(player()), entry->text) << entry->caption;
        EXPECT_EQ(rows(), before) << entry->caption;
    }
    EXPECT_EQ(windowTitle(window->handle()), title);
    EXPECT_EQ(rowCount(downloads), 1);
    deleteAllRows(downloads);

    click(0, 0);
    EXPECT_EQ(browserAddress(player()),
              kService + "/player.html?c=0&p=1&f=" + kService + "/zb/cn.php?v=dongfang");
    click(0, 2);
    EXPECT_EQ(browserAddress(player()),
              kService + "/player.html?c=0&p=1&f=rtmp://" + kRtmpHost + ":1935/livetv");
}

TEST_F(CategoryDispatchTest, TheEmptyCaptionAndUnknownEntriesFillRoutePlaylistTwelve) {
    const std::string_view route12 = embeddedPlaylist(EmbeddedPlaylist::Route12);
    const Table<Text> records = gbk::split(route12, "<视频>");
    const int expected = static_cast<int>(records.size()) - 1;
    ASSERT_GT(expected, 0);

    for (auto [group, entry] : std::vector<std::pair<int, int>>{{0, 19}, {9, 99}, {2, -1}}) {
        deleteAllRows(list());
        setBrowserAddress(player(), "about:blank");
        click(group, entry);
        EXPECT_EQ(rowCount(list()), expected) << group << "," << entry;
        EXPECT_EQ(browserAddress(player()), kInformationPage);
    }
}

TEST_F(CategoryDispatchTest, TheDownloadEntriesShowOnlyTheNotice) {
    click(1, 2);
    const std::vector<Row> before = rows();
    setBrowserAddress(player(), "about:blank");
    for (int entry : {0, 1}) {
        DialogWatcher watcher(IDOK);
        click(5, entry);
        EXPECT_EQ(watcher.boxesSeen, 1);
        EXPECT_EQ(watcher.text, L"下个版本开发");
        EXPECT_EQ(watcher.caption, L"信息：");
        EXPECT_EQ(watcher.owner, nullptr);
        EXPECT_FALSE(watcher.showedIcon);
    }
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(browserAddress(player()), "about:blank");
}

TEST_F(CategoryDispatchTest, NoUsableAnswerLeavesTheListEmptyAndStillShowsTheInformationPage) {
    const Text path = "/zb/douyu.php?p=7";
    for (const char* fault : {"mode=status&code=500", "mode=drop", "mode=empty"}) {
        click(1, 0);
        ASSERT_GT(rowCount(list()), 0);
        setBrowserAddress(player(), "about:blank");
        setFault(path, fault);
        click(1, 1);
        EXPECT_EQ(rowCount(list()), 0) << fault;
        EXPECT_EQ(browserAddress(player()), kInformationPage) << fault;
    }
    serviceControl("reset");
    click(1, 1);
    EXPECT_EQ(rows(), expectedRows(path));
}

// The request object gives up after 15 s; Wine's ignores its time-outs and
// waits for the late answer, which then fills the list in full.
TEST_F(CategoryDispatchTest, AnAnswerSlowerThanTheTimeOutFillsNothingOrEverything) {
    const Text path = "/zb/douyu.php?p=9";
    click(1, 0);
    setFault(path, "mode=delay&ms=16000");
    click(1, 2);
    const std::vector<Row> late = rows();
    EXPECT_TRUE(late.empty() || late == expectedRows(path)) << late.size() << " rows";
    serviceControl("reset");
    click(1, 0);
    EXPECT_EQ(rows(), expectedRows("/zb/douyu.php?p=4"));
}

TEST_F(CategoryDispatchTest, InvalidUtf8KeepsExactlyTheItemsThatStillMatch) {
    for (const auto& [path, group, entry] : std::vector<std::tuple<Text, int, int>>{
             {"/zb/douyu.php?p=14", 1, 3}, {"/xiu/kk.php", 2, 1}}) {
        setFault(path, "mode=not-utf8");
        click(group, entry);
        const std::vector<Row> expected = expectedRows(path);
        EXPECT_FALSE(expected.empty()) << path;
        EXPECT_EQ(rows(), expected) << path;
    }
}

TEST_F(CategoryDispatchTest, ATenMegabyteAnswerFillsEveryItem) {
    const Text path = "/zb/douyu.php?p=5";
    setFault(path, "mode=large&n=11");
    click(1, 4);
    const std::vector<Row> expected = expectedRows(path);
    ASSERT_GT(expected.size(), 10000u);
    ASSERT_EQ(static_cast<std::size_t>(rowCount(list())), expected.size());
    for (std::size_t i = 0; i < expected.size(); i += expected.size() / 7) {
        const int row = static_cast<int>(i);
        EXPECT_EQ((Row{cellText(list(), row, 0), cellText(list(), row, 1)}), expected[i]);
    }
    serviceControl("reset");
    click(1, 4);
    EXPECT_EQ(rows(), expectedRows(path));
    saveScreenshot(window->handle(), L"after_faults");
}
