#include "catalogue/catalogue_entries.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "app/window_template.h"
#include "catalogue/list_item_patterns.h"
#include "common/program_controls.h"
#include "playback/playback.h"

namespace {

WindowTemplate programTemplate() {
    std::ifstream file(NUVRI_MAIN_WINDOW_TEMPLATE, std::ios::binary);
    std::stringstream data;
    data << file.rdbuf();
    return parseWindowTemplate(data.str()).value();
}

}  // namespace

TEST(CatalogueEntriesTest, EveryMenuEntryHasOneRowAtItsPlace) {
    const auto groups = programTemplate().control(kCategoryMenu)->groups;
    std::set<Text> captions;
    std::size_t menuEntries = 0;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        for (std::size_t entry = 0; entry < groups[group].entries.size(); ++entry) {
            const Text& caption = groups[group].entries[entry];
            const CatalogueEntry* found = findCatalogueEntry(caption);
            ASSERT_NE(found, nullptr) << caption;
            EXPECT_EQ(found->group, static_cast<std::int32_t>(group)) << caption;
            EXPECT_EQ(found->entry, static_cast<std::int32_t>(entry)) << caption;
            captions.insert(caption);
            ++menuEntries;
        }
    }
    EXPECT_EQ(menuEntries, 38u);
    EXPECT_EQ(captions.size(), 38u);
    EXPECT_EQ(catalogueEntries().size(), 38u);
    EXPECT_EQ(findCatalogueEntry("没有的频道"), nullptr);
}

TEST(CatalogueEntriesTest, ActionsCarryTheirSources) {
    const CatalogueEntry* jiangsu = findCatalogueEntry("江苏卫视");
    EXPECT_EQ(jiangsu->action, EntryAction::FixedPage);
    EXPECT_EQ(jiangsu->text.rfind(Text(playerPagePrefix) + "rtmp://", 0), 0u);
    EXPECT_EQ(jiangsu->text.substr(jiangsu->text.size() - 12), ":1935/livetv");
    EXPECT_EQ(findCatalogueEntry("CCTV-9 纪录(英)")
                  ->text.substr(findCatalogueEntry("CCTV-9 纪录(英)")->text.size() - 20),
              "/zb/cn.php?v=cctvdoc");

    const CatalogueEntry* shows = findCatalogueEntry("美女直播");
    EXPECT_EQ(shows->action, EntryAction::RemoteList);
    EXPECT_EQ(shows->text, "/xiu/kk.php");
    EXPECT_EQ(shows->pattern, kPatternB);
    EXPECT_EQ(findCatalogueEntry("其他游戏")->text.size(), 16u + 176u);  // the 60 numbers

    const CatalogueEntry* hidden = findCatalogueEntry("");
    EXPECT_EQ(hidden->action, EntryAction::EmbeddedList);
    EXPECT_EQ(hidden->playlist, EmbeddedPlaylist::Route12);
    EXPECT_EQ(findCatalogueEntry("街拍自拍短视频")->titleTag, "<Nuvri老司机>");
    EXPECT_EQ(findCatalogueEntry("获取视频下载地址")->text, "下个版本开发");
}
