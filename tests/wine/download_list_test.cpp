// The download source selector in the real main window against the list
// service's two download list files.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/hosts.h"
#include "common/program_state.h"
#include "common/text.h"
#include "program_window.h"
#include "screenshot.h"
#include "service_control.h"
#include "win32/list_view.h"

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

    static HWND list() { return window->control("超级列表框2"); }

    static void choose(int item) {
        HWND sources = window->control("组合框3");
        SendMessageW(sources, CB_SETCURSEL, item, 0);
        SendMessageW(GetParent(sources), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(sources), CBN_SELCHANGE),
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
