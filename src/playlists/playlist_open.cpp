#include "playlist_open.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/list_actions.h"
#include "catalogue/web_address.h"
#include "common/address_encoding.h"
#include "common/program_controls.h"
#include "http/object_http_request.h"
#include "playlist_fill.h"
#include "playlist_reader.h"
#include "recent_playlists.h"
#include "win32/dropped_files.h"
#include "win32/message_box.h"
#include "win32/named_controls.h"
#include "win32/open_file_dialog.h"
#include "win32/text_dialog.h"
#include "win32/wait_pointer.h"
#include "win32/whole_file.h"
#include "win32/wide_text.h"

namespace {

constexpr char kCaption[] = "播放列表";

void tell(const Text& what, const std::wstring& where) {
    messageBoxWide(toWide(what) + L"\r\n" + where, MB_OK | MB_ICONWARNING, Text(kCaption),
                   namedControl(kMainWindow));
}

bool isWebLocation(const std::wstring& text) {
    return isWebAddress(fromWide(text));
}

// Fills the main list with the playlist `bytes` from `location`, unless a
// later action took the rows; a playlist without entries leaves them.
void open(std::string_view bytes, const std::wstring& location, std::uint32_t action) {
    std::vector<PlaylistEntry> entries =
        readPlaylist(bytes, std::u16string(location.begin(), location.end()));
    if (action != latestAction(ActionScope::CatalogueRows)) {
        return;
    }
    if (entries.empty()) {
        tell("这个播放列表里没有能放的条目：", location);
        return;
    }
    fillFromPlaylist(std::move(entries));
    rememberPlaylist(location);
}

std::string_view textOf(const Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

void openPlaylistFile(const std::wstring& path) {
    const WholeFile file = readWholeFile(path, kPlaylistSizeLimit);
    switch (file.outcome) {
        case FileRead::Done:
            open(file.bytes, path, beginAction(ActionScope::CatalogueRows));
            return;
        case FileRead::Missing:
            tell("找不到这个播放列表文件：", path);
            return;
        case FileRead::TooLarge:
            tell("这个播放列表文件超过 64 MB，没有打开：", path);
            return;
        case FileRead::Unreadable:
            tell("无法读取这个播放列表文件：", path);
            return;
    }
}

void openPlaylistAddress(const std::wstring& address) {
    if (!isWebLocation(address)) {
        tell("只能打开 http 或 https 地址的播放列表：", address);
        return;
    }
    // The window answers while the request waits, so a later action may
    // overtake this one.
    const std::uint32_t action = beginAction(ActionScope::CatalogueRows);
    std::int32_t status = 0;
    const Bytes body = [&] {
        const WaitPointer waiting;
        // Characters outside ASCII go as UTF-8, and blanks and the like
        // percent-encoded, as a browser sends them.
        const Text sent = addressForSystem(percentEncodeUtf8NonAscii(toUtf8(address)));
        return objectHttpRequest(sent, 0, {}, nullptr, nullptr, nullptr, nullptr, &status);
    }();
    if (action != latestAction(ActionScope::CatalogueRows)) {
        return;
    }
    if (status == 0) {
        tell("取不到这个播放列表，请检查地址和网络：", address);
    } else if (status < 200 || status > 299) {
        tell("取不到这个播放列表，服务器回答 " + std::to_string(status) + "：", address);
    } else if (body.size() > kPlaylistSizeLimit) {
        tell("这个播放列表超过 64 MB，没有打开：", address);
    } else {
        open(textOf(body), address, action);
    }
}

void askForPlaylistFile() {
    const std::vector<FileKind> kinds = {
        {"播放列表", L"*.m3u;*.m3u8"},
        {"文本文件", L"*.txt"},
        {"所有文件", L"*.*"},
    };
    if (const auto path = chooseFileToOpen(namedControl(kMainWindow), "打开播放列表文件", kinds)) {
        openPlaylistFile(*path);
    }
}

void askForPlaylistAddress() {
    std::wstring initial = L"http://";
    for (const RecentPlaylist& recent : recentPlaylists()) {
        if (isWebLocation(recent.location)) {
            initial = recent.location;
            break;
        }
    }
    const auto address =
        askForText(namedControl(kMainWindow), "打开播放列表地址",
                   "播放列表的地址（http 或 https）：", initial, [](const std::wstring& text) {
                       if (isWebLocation(text)) {
                           return true;
                       }
                       tell("只能打开 http 或 https 地址的播放列表：", text);
                       return false;
                   });
    if (address) {
        openPlaylistAddress(*address);
    }
}

void openRecentPlaylist(const std::wstring& location) {
    if (isWebLocation(location)) {
        openPlaylistAddress(location);
    } else {
        openPlaylistFile(location);
    }
}

void openDroppedPlaylist() {
    if (!droppedFiles().empty()) {
        openPlaylistFile(droppedFiles().front());
    }
}

void openPlaylistFromCommandLine(const std::vector<std::wstring>& arguments) {
    if (arguments.empty()) {
        return;
    }
    openRecentPlaylist(arguments.front());
}
