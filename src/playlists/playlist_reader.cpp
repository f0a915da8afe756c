#include "playlist_reader.h"

#include <algorithm>

#include "extinf_line.h"
#include "playlist_location.h"
#include "playlist_text.h"

namespace {

// Room for about as many entries as the text has line pairs.
std::size_t expectedEntries(std::string_view bytes) {
    std::size_t lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    if (lines == 0) {
        lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
    }
    return std::min(lines / 2 + 1, kPlaylistEntryLimit);
}

}  // namespace

std::vector<PlaylistEntry> readPlaylist(std::string_view bytes, std::u16string_view location) {
    const PlaylistLocation base(location);
    PlaylistText text(bytes);
    std::vector<PlaylistEntry> entries;
    entries.reserve(expectedEntries(bytes));
    // What the lines since the last entry said of the next one. The group
    // its own #EXTINF line gives wins over that of an #EXTGRP line.
    std::u16string title;
    std::u16string infoGroup;
    std::u16string lineGroup;
    std::u16string_view line;
    while (entries.size() < kPlaylistEntryLimit && text.nextLine(line)) {
        line = trimBlanks(line);
        if (line.empty()) {
            continue;
        }
        if (line[0] == u'#') {
            if (startsWithFolded(line, u"#extinf:")) {
                const ExtinfLine info = readExtinf(line.substr(8));
                title.assign(info.title);
                infoGroup.assign(info.group);
            } else if (startsWithFolded(line, u"#extgrp:")) {
                lineGroup.assign(trimBlanks(line.substr(8)));
            }
            continue;
        }
        const std::u16string_view address = trimBlanks(line.substr(0, line.find(u'|')));
        if (address.empty()) {
            continue;
        }
        PlaylistEntry& entry = entries.emplace_back();
        entry.address = base.resolve(address);
        const std::u16string_view name = title.empty() ? addressName(entry.address) : title;
        const std::u16string& group = infoGroup.empty() ? lineGroup : infoGroup;
        if (group.empty()) {
            entry.title.assign(name);
        } else {
            entry.title.reserve(group.size() + name.size() + 3);
            entry.title.append(u"[").append(group).append(u"] ").append(name);
        }
        title.clear();
        infoGroup.clear();
        lineGroup.clear();
    }
    return entries;
}
