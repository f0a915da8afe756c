#include "win32/message_box.h"

#include <gtest/gtest.h>

#include "dialog_watcher.h"

TEST(MessageBoxTest, ReturnsThePressedButtonAsNumbered) {
    const struct {
        unsigned flags;
        int command;
        int expected;
    } cases[] = {
        {MB_OK, IDOK, kButtonOk},
        {MB_OKCANCEL, IDCANCEL, kButtonCancel},
        {MB_ABORTRETRYIGNORE, IDABORT, kButtonAbort},
        {MB_ABORTRETRYIGNORE, IDRETRY, kButtonRetry},
        {MB_ABORTRETRYIGNORE, IDIGNORE, kButtonIgnore},
        {MB_YESNO, IDYES, kButtonYes},
        {MB_YESNO, IDNO, kButtonNo},
    };
    for (const auto& c : cases) {
        DialogWatcher watcher(c.command);
        EXPECT_EQ(messageBox("下个版本开发", c.flags, Text("信息：")), c.expected) << c.command;
        EXPECT_EQ(watcher.boxesSeen, 1);
    }
}

TEST(MessageBoxTest, ShowsChineseTextAndCaptionOrTheProgramName) {
    {
        DialogWatcher watcher(IDOK);
        messageBox("下个版本开发", MB_OK, Text("信息："));
        EXPECT_EQ(watcher.text, L"下个版本开发");
        EXPECT_EQ(watcher.caption, L"信息：");
    }
    DialogWatcher watcher(IDOK);
    messageBox("无标题", MB_OK);
    EXPECT_EQ(watcher.caption, L"wine_tests");
}

TEST(MessageBoxTest, AnIconShowsOnlyWhenAskedFor) {
    DialogWatcher watcher(IDOK);
    messageBox("有图标", MB_OK | MB_ICONINFORMATION);
    EXPECT_TRUE(watcher.showedIcon);
    messageBox("无图标", MB_OK | MB_TASKMODAL);
    EXPECT_FALSE(watcher.showedIcon);
    EXPECT_EQ(watcher.owner, nullptr);
}
