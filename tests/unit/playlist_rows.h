#pragma once
// The playlists the reader's tests read, each with where it came from and the
// titles and addresses it must give; the reader's fuzzer starts from them.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "playlists/playlist_reader.h"

namespace playlist_rows {

using Entries = std::vector<std::pair<std::u16string, std::u16string>>;

// The bytes of a UTF-8 text; of a UTF-16 text with its byte-order mark.
inline std::string utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

inline std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

struct PlaylistRow {
    const char* name;
    std::string bytes;
    std::u16string location;
    Entries entries;
};

inline const std::u16string kWeb = u"http://h/a/b/list.m3u?token=1";

inline std::vector<PlaylistRow> rows() {
    // "http://h/" and these make a line of exactly the limit.
    const std::string xs(kPlaylistLineLimit - 9, 'x');
    return {
        {"attributes, quoted commas and groups",
         utf8(u8"#EXTM3U x-tvg-url=\"http://e/epg.xml\"\r\n"
              u8"#EXTINF:-1 tvg-name=\"A, first\" group-title=\"新闻\",CCTV-1 综合, 高清 \r\n"
              u8"http://h/live/a.m3u8\r\n"
              u8"#EXTINF:-1,Title, with comma\n#EXTGRP: 体育 \nhttp://h/b.mp4\n"
              u8"#EXTGRP:Lost to the entry's own\n#EXTINF:-1 group-title=\"Own\",C\n"
              u8"http://h/c.mp4\n#EXTINF:-1 group-title=\"\",D\nhttp://h/d.mp4\n"
              u8"#extinf:5 tvg-logo=\"l.png\"\nhttp://h/e/\n"),
         kWeb,
         {{u"[新闻] CCTV-1 综合, 高清", u"http://h/live/a.m3u8"},
          {u"[体育] Title, with comma", u"http://h/b.mp4"},
          {u"[Own] C", u"http://h/c.mp4"},
          {u"D", u"http://h/d.mp4"},
          {u"h", u"http://h/e/"}}},
        {"option, stray and broken lines keep the pending title",
         utf8(u8"#EXTINF:-1,Kept\n#EXTVLCOPT:http-user-agent=Mozilla\n#KODIPROP:x=y\n \t\n# note\n"
              u8"bad\x01line\nbad\u0085line\n http://h/k.mp4 |User-Agent=VLC&Referer=http://r/\n"
              u8"#EXTINF:-1,Lost\n#EXTINF:-1,Second\n|no address\nhttp://h/s.mp4|x\n"
              u8"http://u:p@h/?x=1\n#EXTINF:-1,Dangling") +
             std::string("\nzero\0byte\n", 11),
         kWeb,
         {{u"Kept", u"http://h/k.mp4"},
          {u"Second", u"http://h/s.mp4"},
          {u"h", u"http://u:p@h/?x=1"}}},
        {"plain addresses, a byte-order mark, half a character, CR, LF and CR LF",
         "\xEF\xBB\xBF"
         "a.mp4\r#EXTINF:0,B\r\n#\xE4\xB8\nb.mp4\n\r\nhttp://h/c.mp4?x=1#f\r",
         kWeb,
         {{u"a.mp4", u"http://h/a/b/a.mp4"},
          {u"B", u"http://h/a/b/b.mp4"},
          {u"c.mp4", u"http://h/c.mp4?x=1#f"}}},
        {"relative and kept addresses against a web address",
         "c/d.mp4\n/x.mp4\n//cdn/x.mp4\n../u.mp4\n../../../../r.mp4\n./e/./f/../g.mp4?q=../z\n"
         "s\\w.mp4\n?page=2\nrtmp://r/live/s\nfile:///C:/v/f.mp4\njavascript:alert(1)\n"
         "D:\\v\\a.mp4\n\\\\srv\\v\\b.mp4\n",
         kWeb,
         {{u"d.mp4", u"http://h/a/b/c/d.mp4"},
          {u"x.mp4", u"http://h/x.mp4"},
          {u"x.mp4", u"http://cdn/x.mp4"},
          {u"u.mp4", u"http://h/a/u.mp4"},
          {u"r.mp4", u"http://h/r.mp4"},
          {u"g.mp4", u"http://h/a/b/e/g.mp4?q=../z"},
          {u"w.mp4", u"http://h/a/b/s/w.mp4"},
          {u"list.m3u", u"http://h/a/b/list.m3u?page=2"},
          {u"s", u"rtmp://r/live/s"},
          {u"f.mp4", u"file:///C:/v/f.mp4"},
          {u"javascript:alert(1)", u"javascript:alert(1)"},
          {u"a.mp4", u"D:\\v\\a.mp4"},
          {u"b.mp4", u"\\\\srv\\v\\b.mp4"}}},
        {"relative addresses in a file's folder",
         "sub/a.mp4\n..\\..\\..\\up.mp4\n\\root.mp4\n.\\\nhttp://h/w.mp4\n",
         u"C:\\dir\\list.m3u",
         {{u"a.mp4", u"C:\\dir\\sub\\a.mp4"},
          {u"up.mp4", u"C:\\up.mp4"},
          {u"root.mp4", u"C:\\root.mp4"},
          {u"C:\\dir\\", u"C:\\dir\\"},
          {u"w.mp4", u"http://h/w.mp4"}}},
        {"relative addresses on a share",
         "../../x.mp4\n\\y.mp4\nz.mp4\n",
         u"\\\\server\\share\\lists\\list.m3u",
         {{u"x.mp4", u"\\\\server\\share\\x.mp4"},
          {u"y.mp4", u"\\\\server\\share\\y.mp4"},
          {u"z.mp4", u"\\\\server\\share\\lists\\z.mp4"}}},
        // 亅 is 81 7C, its second byte a "|"; B5 before a line end is half a
        // character, which must not take the line end with it.
        {"GBK",
         "#EXTINF:-1 group-title=\"\xD0\xC2\xCE\xC5\",\xD6\xD0\xCE\xC4\r\n"
         "http://h/\x81\x7C.mp4|tail\r\n#\xB5\nhttp://h/2.mp4\n",
         kWeb,
         {{u"[新闻] 中文", u"http://h/亅.mp4"}, {u"2.mp4", u"http://h/2.mp4"}}},
        {"UTF-8 beyond GBK",
         utf8(u8"#EXTINF:-1,Café \uD55C\uAD6D\uC5B4 \U0001F3AC\nhttp://h/\uD55C/\U0001F3AC.mp4\n"),
         kWeb,
         {{u"Café \uD55C\uAD6D\uC5B4 \U0001F3AC", u"http://h/\uD55C/\U0001F3AC.mp4"}}},
        {"UTF-16 LE",
         utf16(u"#EXTINF:-1,\uD55C \U0001F3AC\r\nhttp://h/1.mp4\r\n\xD800x.mp4\r\n", false) + "\n",
         kWeb,
         {{u"\uD55C \U0001F3AC", u"http://h/1.mp4"},
          {u"\xFFFDx.mp4", u"http://h/a/b/\xFFFDx.mp4"}}},
        {"UTF-16 BE",
         utf16(u"#EXTINF:-1,\u00C9t\u00E9\nhttp://h/1.mp4", true),
         kWeb,
         {{u"\u00C9t\u00E9", u"http://h/1.mp4"}}},
        {"a line at the limit is whole, one longer is skipped",
         "#EXTINF:-1,Long\n" + xs + "0123456789\nhttp://h/" + xs + "\n",
         kWeb,
         {{u"Long", u"http://h/" + std::u16string(xs.size(), u'x')}}},
    };
}

}  // namespace playlist_rows
