#include "catalogue_entries.h"

#include <vector>

#include "catalogue/list_item_patterns.h"
#include "common/hosts.h"
#include "playback/playback.h"

namespace {

const Text kListService = Text("http://") + kListServiceHost;
const Text kTelevision = Text(playerPagePrefix) + kListService + "/zb/cn.php?v=";

CatalogueEntry television(std::int32_t entry, const char* caption, const char* channel) {
    return {0, entry, caption, EntryAction::FixedPage, kTelevision + channel};
}

CatalogueEntry remoteList(std::int32_t group, std::int32_t entry, const char* caption,
                          const char* pathAndQuery, const char* pattern) {
    return {
        group, entry, caption, EntryAction::RemoteList, pathAndQuery, EmbeddedPlaylist::Collection,
        {},    {},    pattern};
}

CatalogueEntry embeddedList(std::int32_t group, std::int32_t entry, const char* caption,
                            EmbeddedPlaylist playlist, PlaylistTags tags) {
    return {group, entry,    caption,    EntryAction::EmbeddedList,
            {},    playlist, tags.title, tags.address};
}

std::vector<CatalogueEntry> makeEntries() {
    return {
        television(0, "东方卫视", "dongfang"),
        television(1, "北京卫视", "btv1"),
        {0, 2, "江苏卫视", EntryAction::FixedPage,
         Text(playerPagePrefix) + "rtmp://" + kRtmpHost + ":1935/livetv"},
        {0, 3, "浙江卫视", EntryAction::FixedPage,
         Text("http://") + kOutsidePageHost + "/tv/zj.htm"},
        television(4, "CCTV-1 综合", "cctv1"),
        television(5, "CCTV-2 财经", "cctv2"),
        television(6, "CCTV-3 综艺", "cctv3"),
        television(7, "CCTV-4 亚洲", "cctv4"),
        television(8, "CCTV-4 (欧洲)", "cctveurope"),
        television(9, "CCTV-4 (美洲)", "cctvamerica"),
        television(10, "CCTV-5 体育", "cctv5"),
        television(11, "CCTV-6 电影", "cctv6"),
        television(12, "CCTV-7 军事农业", "cctv7"),
        television(13, "CCTV-8 电视剧", "cctv8"),
        television(14, "CCTV-9 纪录", "cctvjilu"),
        television(15, "CCTV-9 纪录(英)", "cctvdoc"),
        television(16, "CCTV-10 科教", "cctv10"),
        television(17, "CCTV-11 戏曲", "cctv11"),
        television(18, "CCTV-12 社会与法", "cctv12"),
        embeddedList(0, 19, "", EmbeddedPlaylist::Route12, kRouteTags),
        remoteList(1, 0, "英雄联盟", "/zb/douyu.php?p=4", kPatternA),
        remoteList(1, 1, "穿越火线", "/zb/douyu.php?p=7", kPatternA),
        remoteList(1, 2, "QQ飞车", "/zb/douyu.php?p=9", kPatternA),
        remoteList(1, 3, "逆战", "/zb/douyu.php?p=14", kPatternA),
        remoteList(1, 4, "地下城勇士", "/zb/douyu.php?p=5", kPatternA),
        remoteList(1, 5, "QQ游戏", "/zb/douyu.php?p=53", kPatternA),
        remoteList(1, 6, "手游", "/zb/douyu.php?p=23,38,39,40,41,59,61,62,93,88", kPatternA),
        remoteList(1, 7, "单机游戏", "/zb/douyu.php?p=48,90,92,97,91", kPatternA),
        remoteList(1, 8, "其他游戏",
                   "/zb/douyu.php?p=32,16,96,6,19,45,92,15,42,58,46,97,86,90,3,29,52,33,89,47,"
                   "23,10,54,49,18,41,38,11,59,61,35,63,65,50,48,31,60,64,93,94,95,85,66,44,25,"
                   "26,36,22,21,8,17,37,39,56,57,55,51,40,43,62",
                   kPatternA),
        remoteList(1, 9, "随机精选", "/zb/douyu.php?p=0", kPatternA),
        remoteList(2, 0, "热门美女", "/xiu/163.php", kPatternB),
        remoteList(2, 1, "美女直播", "/xiu/kk.php", kPatternB),
        remoteList(3, 0, "今日热播", "/dy/mg.php?p=1", kPatternA),
        embeddedList(3, 1, "线路2超多影片", EmbeddedPlaylist::Film, kRouteTags),
        embeddedList(4, 0, "街拍自拍短视频", EmbeddedPlaylist::Collection, kCollectionTags),
        {5, 0, "无水印套图下载", EntryAction::Notice, "下个版本开发"},
        {5, 1, "获取视频下载地址", EntryAction::Notice, "下个版本开发"},
        {6, 0, "Nuvri音乐盒子", EntryAction::FixedPage,
         Text("http://") + kOutsideFileHost + "/dy8/1.swf"},
    };
}

}  // namespace

std::span<const CatalogueEntry> catalogueEntries() {
    static const std::vector<CatalogueEntry> entries = makeEntries();
    return entries;
}

const CatalogueEntry* findCatalogueEntry(std::string_view caption) {
    for (const CatalogueEntry& entry : catalogueEntries()) {
        if (entry.caption == caption) {
            return &entry;
        }
    }
    return nullptr;
}
