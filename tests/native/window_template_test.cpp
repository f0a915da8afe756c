#include "app/window_template.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/program_controls.h"

namespace {

std::string programTemplate() {
    std::ifstream file(NUVRI_MAIN_WINDOW_TEMPLATE, std::ios::binary);
    std::stringstream data;
    data << file.rdbuf();
    return data.str();
}

// The program's template (UTF-8) with one piece replaced, or removed when
// `with` is empty, to prove that each kind of damage is caught.
std::string damaged(std::u8string_view piece, std::u8string_view with) {
    const std::string line(piece.begin(), piece.end());
    std::string data = programTemplate();
    const std::size_t at = data.find(line);
    EXPECT_NE(at, std::string::npos) << "piece not in the template";
    return at == std::string::npos
               ? data
               : data.replace(at, line.size(), std::string(with.begin(), with.end()));
}

}  // namespace

TEST(WindowTemplateTest, ProgramTemplateHoldsEveryControlInTabOrder) {
    const auto parsed = parseWindowTemplate(programTemplate());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->title, "Nuvri福利视频播放器");
    EXPECT_EQ(parsed->width, 960);
    EXPECT_EQ(parsed->height, 706);
    ASSERT_EQ(parsed->controls.size(), 21u);
    EXPECT_EQ(parsed->controls.front().name, kResourceBox);
    EXPECT_EQ(parsed->controls.back().name, kCategoryMenu);

    const ControlTemplate* tip = parsed->control(kTipsLabel);
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->text.substr(0, 10), "\r\n\r\n\r\n温馨");
    const ControlTemplate* menu = parsed->control(kCategoryMenu);
    ASSERT_EQ(menu->groups.size(), 7u);
    std::size_t entries = 0;
    for (const auto& group : menu->groups) {
        entries += group.entries.size();
    }
    EXPECT_EQ(entries, 38u);
    EXPECT_EQ(menu->groups[0].entries[19], "");
    EXPECT_EQ(parsed->control(kRouteSelector)->items.size(), 13u);
    EXPECT_EQ(parsed->control(kForumLink)->color, 0x0000FFu);
    EXPECT_TRUE(parsed->control(kNoticeView)->disabled);
    ASSERT_EQ(parsed->menus.size(), 1u);
    // The names of the controls, which the program checks again at start-up:
    // one for each control.
    EXPECT_EQ(parsed->name, kMainWindow);
    for (const char* name : kNamedWindows) {
        EXPECT_TRUE(name == parsed->name || parsed->control(name)) << name;
    }
    EXPECT_EQ(std::size(kNamedWindows), parsed->controls.size() + 1);
    EXPECT_EQ(parsed->menus[0].name, kDownloadMenu);
    EXPECT_EQ(parsed->menus[0].items, (std::vector<Text>{"打开下载网址", "复制地址+名称", "清空"}));
}

TEST(WindowTemplateTest, DamagedTemplatesAreRejectedWhole) {
    const std::u8string control =
        u8"control 按钮1 button parent=分组框1 rect=230,486,88,24 text=\"跳转\" tabstop";
    EXPECT_FALSE(parseWindowTemplate(""));
    EXPECT_FALSE(parseWindowTemplate(damaged(u8"window 主窗口", u8"window")));
    EXPECT_FALSE(
        parseWindowTemplate(damaged(control, u8"control 按钮1 knob parent=分组框1 rect=1,2,3,4")));
    EXPECT_FALSE(parseWindowTemplate(
        damaged(control, u8"control 按钮1 button parent=分组框9 rect=1,2,3,4")));
    EXPECT_FALSE(
        parseWindowTemplate(damaged(control, u8"control 按钮1 button parent=标签3 rect=1,2,3,4")));
    EXPECT_FALSE(
        parseWindowTemplate(damaged(control, u8"control 按钮1 button parent=分组框1 rect=1,2,3")));
    EXPECT_FALSE(parseWindowTemplate(
        damaged(control, u8"control 按钮1 button parent=分组框1 rect=1,2,0,4")));
    EXPECT_FALSE(parseWindowTemplate(
        damaged(control, u8"control 按钮1 button parent=分组框1 rect=1,2,3,4 text=\"跳")));
    EXPECT_FALSE(parseWindowTemplate(
        damaged(control, u8"control 组合框1 button parent=分组框1 rect=1,2,3,4")));
    EXPECT_FALSE(parseWindowTemplate(damaged(control, control + u8" shiny")));
    EXPECT_FALSE(parseWindowTemplate(damaged(u8"item 组合框1 \"首页\"", u8"item 按钮1 \"首页\"")));
    EXPECT_FALSE(parseWindowTemplate(
        damaged(u8"column 超级列表框1 \"序号\" 400", u8"column 超级列表框1 \"序号\" wide")));
    EXPECT_FALSE(parseWindowTemplate(damaged(u8"group 卷帘式菜单1 \"电视直播\"", u8"")));
    EXPECT_FALSE(parseWindowTemplate(damaged(u8"color=255,0,0", u8"color=256,0,0")));
    EXPECT_FALSE(
        parseWindowTemplate(damaged(u8"menuitem 菜单 \"清空\"", u8"menuitem 菜单2 \"清空\"")));
}
