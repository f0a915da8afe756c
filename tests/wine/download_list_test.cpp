// The download source selector in the real main window against the list
// service's two download list files.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/convert.h"
#include "common/hosts.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "common/text.h"
#include "later_action.h"
#include "program_window.h"
#include "queued_messages.h"
#include "screenshot.h"
#include "service_control.h"
#include "win32/combo_choice.h"
#include "win32/list_view.h"
#include "win32/standard_controls.h"

namespace {

const Text kService = Text("http://") + kDownloadHost;
const Text kDownload = kService + "/download/";
const Text kSuffix = "-Nuvri福利下载-";

struct Row {
    Text number;
    Text title;
    Text address;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << "[" << row.number << " | " << row.title << " | " << row.address << "]";
}

class DownloadListTest : public ProgramWindowTest {
  protected:
    void TearDown() override { serviceControl("reset"); }

    static HWND list() { return window->control(kDownloadList); }

    // Confirms item `item` as the combo box does once the user's choice is in.
    static void choose(int item) {
        HWND sources = window->control(kDownloadSource);
        SendMessageW(sources, CB_SETCURSEL, item, 0);
        SendMessageW(window->handle(), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(sources), kComboChoiceConfirmed),
                     reinterpret_cast<LPARAM>(sources));
    }

    static std::vector<Row> rows() {
        std::vector<Row> found;
        for (int row = 0; row < rowCount(list()); ++row) {
            found.push_back(
                {cellText(list(), row, 0), cellText(list(), row, 1), cellText(list(), row, 2)});
        }
        return found;
    }
};

}  // namespace

TEST_F(DownloadListTest, TheVideoListFillsOneNumberedRowPerLine) {
    choose(0);
    const std::vector<Row> expected = {
        {"1", "经典武侠合集" + kSuffix, kDownload + "33-v1.mp4"},
        {"2", "喜剧电影精选" + kSuffix, kDownload + "33-v2.mp4"},
        {"3", "动作大片" + kSuffix, kDownload + "33-v3.mp4"},
        {"4", "", ""},
        {"5", "爱情故事" + kSuffix, kDownload + "33-v4.mp4"},
        {"6", "悬疑剧场" + kSuffix, kDownload + "33-v5.mp4"},
        {"7", "科幻系列" + kSuffix, kDownload + "33-v6.mp4"},
        {"8", "双分隔符条目" + kSuffix, kDownload + "33-v7.mp4"},
        // The other list's separator splits at the inner word.
        {"9", "另一分隔符条目-" + kSuffix, "-" + kDownload + "33-v8.mp4"},
        {"10", "", ""},
    };
    EXPECT_EQ(rows(), expected);
    ASSERT_TRUE(programState()->downloadListText);
    EXPECT_EQ(gbk::right(*programState()->downloadListText, 2), "\r\n");
    saveScreenshot(window->handle(), L"download_list");
}

TEST_F(DownloadListTest, ThePictureSetListUsesItsOwnSeparatorAndAgainRenumbers) {
    choose(0);
    choose(1);
    const std::vector<Row> found = rows();
    ASSERT_EQ(found.size(), 9u);
    EXPECT_EQ(found[0], (Row{"1", "高清纪录片" + kSuffix, kDownload + "2-v1.mp4"}));
    EXPECT_EQ(found[3], (Row{"4", "", ""}));
    EXPECT_EQ(found[7], (Row{"8", "双分隔符条目" + kSuffix, kDownload + "2-v7.mp4"}));
    choose(1);
    EXPECT_EQ(rows(), found);
}

TEST_F(DownloadListTest, NoAnswerLeavesTheListEmptyAndNoChoiceChangesNothing) {
    choose(0);
    serviceControl("fault?path=%2F33.txt&mode=close");
    choose(0);
    EXPECT_EQ(rowCount(list()), 0);
    EXPECT_EQ(programState()->downloadListText, Text());

    serviceControl("reset");
    choose(1);
    choose(-1);
    EXPECT_EQ(rowCount(list()), 9);
}

// An error page is no list, and a list cut short loses only its cut last
// line: a reset inside the fifth line's address keeps the four lines before.
TEST_F(DownloadListTest, OnlyWholeLinesOfASuccessfulAnswerBecomeRows) {
    for (const char* fault : {"mode=status&code=500", "mode=status&code=404"}) {
        choose(0);
        serviceControl(Text("fault?path=%2F33.txt&") + fault);
        choose(0);
        EXPECT_EQ(rowCount(list()), 0) << fault;
        serviceControl("reset");
    }

    choose(0);
    const std::vector<Row> whole = rows();
    const Text file = *programState()->downloadListText;
    std::int32_t fifthLineEnd = 0;
    for (int line = 0; line < 5; ++line) {
        fifthLineEnd = gbk::find(file, "\r\n", fifthLineEnd + 1);
    }
    ASSERT_GT(fifthLineEnd, 10);
    ASSERT_EQ(gbk::middle(file, fifthLineEnd - 4, 4), ".mp4");
    serviceControl("fault?path=%2F33.txt&mode=cut&n=" + toText(fifthLineEnd - 4));
    choose(0);
    EXPECT_EQ(rows(), std::vector<Row>(whole.begin(), whole.begin() + 4));
}

// A choice made while the list of an earlier one is still arriving decides
// the list: the rows are those of the item the selector shows.
TEST_F(DownloadListTest, ALaterChoiceOvertakesAListStillArriving) {
    choose(1);
    const std::vector<Row> pictureSets = rows();
    choose(0);
    serviceControl("fault?path=%2F33.txt&mode=delay&ms=1000");
    // The pointer over the window says a list is on its way until it came,
    // though a later choice overtook it.
    HWND list = window->control(kDownloadList);
    auto pointerOverList = [list] {
        SendMessageW(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    HCURSOR meanwhile = nullptr;
    ASSERT_TRUE(overtake([] { choose(0); },
                         [&] {
                             meanwhile = pointerOverList();
                             choose(1);
                         }));
    EXPECT_EQ(selectedItem(window->control(kDownloadSource)), 1);
    EXPECT_EQ(rows(), pictureSets);
    EXPECT_EQ(meanwhile, LoadCursorW(nullptr, IDC_APPSTARTING));
    EXPECT_EQ(pointerOverList(), LoadCursorW(nullptr, IDC_ARROW));
}

namespace {

// How often the service was asked for `path`.
int fetches(const Text& path) {
    return count(gbk::split(serviceControl("requests"), "\"path\": \"" + path + "\"")) - 1;
}

}  // namespace

// A choice acts once, when it is confirmed: a click on an item, Enter in the
// open list, an arrow key on the closed box. Steps through the open list act
// not at all. Input through the combo box's own window procedures.
TEST_F(DownloadListTest, EachConfirmedChoiceFetchesItsListOnce) {
    HWND sources = window->control(kDownloadSource);
    serviceControl("reset");

    SendMessageW(sources, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(sources, &info));
    RECT item = {};
    SendMessageW(info.hwndList, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const LPARAM middle = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(info.hwndList, WM_MOUSEMOVE, 0, middle);
    SendMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(info.hwndList, WM_LBUTTONUP, 0, middle);
    dispatchQueuedMessages();
    EXPECT_FALSE(SendMessageW(sources, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(fetches("/33.txt"), 1) << "a click on the first item";
    EXPECT_EQ(rowCount(list()), 10);

    SendMessageW(sources, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(sources, WM_KEYDOWN, VK_DOWN, 0);
    dispatchQueuedMessages();
    SendMessageW(sources, WM_KEYDOWN, VK_UP, 0);
    dispatchQueuedMessages();
    SendMessageW(sources, WM_KEYDOWN, VK_DOWN, 0);
    dispatchQueuedMessages();
    EXPECT_EQ(fetches("/2.txt"), 0) << "steps through the open list";
    EXPECT_EQ(fetches("/33.txt"), 1) << "steps through the open list";
    SendMessageW(sources, WM_KEYDOWN, VK_RETURN, 0);
    dispatchQueuedMessages();
    EXPECT_EQ(fetches("/2.txt"), 1) << "Enter on the second item";
    EXPECT_EQ(rowCount(list()), 9);

    SendMessageW(sources, WM_KEYDOWN, VK_UP, 0);
    dispatchQueuedMessages();
    EXPECT_EQ(fetches("/33.txt"), 2) << "an arrow key on the closed box";
    EXPECT_EQ(fetches("/2.txt"), 1);
    EXPECT_EQ(rowCount(list()), 10);
}
