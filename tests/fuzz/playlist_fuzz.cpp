// libFuzzer target: any bytes through readPlaylist, as a playlist from the
// web, from a folder and from a share. Whatever the bytes, every entry has a
// title and an address, holds well-formed UTF-16 without line ends or other
// control characters, has its address cut before any '|', and is no larger
// than the lines it came from and the location together.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "playlists/playlist_reader.h"

namespace {

bool wellFormed(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if ((c < u' ' && c != u'\t') || (c >= u'\x7F' && c <= u'\x9F')) {
            return false;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::u16string_view location :
         {u"http://h/a/b/list.m3u?x=1", u"C:\\dir\\list.m3u", u"\\\\server\\share\\list.m3u"}) {
        for (const PlaylistEntry& entry : readPlaylist(bytes, location)) {
            if (entry.title.empty() || entry.address.empty() || !wellFormed(entry.title) ||
                !wellFormed(entry.address) || entry.address.find(u'|') != std::u16string::npos ||
                entry.address.size() > size + location.size() + 1 ||
                entry.title.size() > size + entry.address.size() + 3) {
                std::abort();
            }
        }
    }
    return 0;
}
