#include "title_menu.h"

#include <optional>
#include <string>
#include <vector>

#include "common/address_encoding.h"
#include "common/program_controls.h"
#include "find/title_find.h"
#include "my_lists/my_lists.h"
#include "playback/playback.h"
#include "playlists/playlist_open.h"
#include "playlists/recent_playlists.h"
#include "system_player.h"
#include "win32/clipboard.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/popup_menu.h"
#include "win32/wide_text.h"

namespace {

enum class TitleCommand {
    Play,
    SystemPlayer,
    CopyAddress,
    AddFavourite,
    RemoveFavourite,
    Find,
    Separator,
    Favourites,
    RecentlyPlayed,
    OpenPlaylistFile,
    OpenPlaylistAddress,
    OpenRecentPlaylist,
};

struct MenuEntry {
    Text caption;  // empty: a separator
    TitleCommand command;
    std::wstring location = {};  // the playlist of OpenRecentPlaylist
};

struct TitleInHand {
    Text title;
    Text address;
    std::wstring wideAddress;  // whole, also with characters GBK lacks
};

// The entries for a row, or below the rows (no title in hand): only the
// user's own lists.
std::vector<MenuEntry> entriesFor(const std::optional<TitleInHand>& title) {
    std::vector<MenuEntry> entries;
    if (title) {
        entries.push_back({"播放", TitleCommand::Play});
        entries.push_back({"用系统播放器打开", TitleCommand::SystemPlayer});
        entries.push_back({"复制视频地址", TitleCommand::CopyAddress});
        if (isFavourite(title->address)) {
            entries.push_back({"取消收藏", TitleCommand::RemoveFavourite});
        } else {
            entries.push_back({"加入收藏", TitleCommand::AddFavourite});
        }
        entries.push_back({"查找…\tCtrl+F", TitleCommand::Find});
        entries.push_back({"", TitleCommand::Separator});
    }
    entries.push_back({"我的收藏", TitleCommand::Favourites});
    entries.push_back({"最近播放", TitleCommand::RecentlyPlayed});
    entries.push_back({"", TitleCommand::Separator});
    entries.push_back({"打开播放列表文件…\tCtrl+O", TitleCommand::OpenPlaylistFile});
    entries.push_back({"打开播放列表地址…\tCtrl+L", TitleCommand::OpenPlaylistAddress});
    // The playlists opened last, numbered as a file menu numbers them.
    int number = 0;
    for (const RecentPlaylist& recent : recentPlaylists()) {
        const Text caption = "&" + std::to_string(++number) + " " + fromWide(recent.name);
        entries.push_back({caption, TitleCommand::OpenRecentPlaylist, recent.location});
    }
    return entries;
}

void run(const MenuEntry& entry, const TitleInHand& title) {
    switch (entry.command) {
        case TitleCommand::Play:
            playSelectedTitle();
            return;
        case TitleCommand::SystemPlayer:
            // Characters outside ASCII go as their UTF-8 bytes, percent-encoded.
            if (openInSystemPlayer(percentEncodeUtf8NonAscii(toUtf8(title.wideAddress)))) {
                rememberPlayed(title.title, title.address);
            }
            return;
        case TitleCommand::CopyAddress:
            toClipboardWide(title.wideAddress);
            return;
        case TitleCommand::AddFavourite:
            addFavourite(title.title, title.address);
            return;
        case TitleCommand::RemoveFavourite:
            removeFavourite(title.address);
            return;
        case TitleCommand::Find:
            openTitleFind();
            return;
        case TitleCommand::Favourites:
            showFavourites();
            return;
        case TitleCommand::RecentlyPlayed:
            showRecentlyPlayed();
            return;
        case TitleCommand::OpenPlaylistFile:
            askForPlaylistFile();
            return;
        case TitleCommand::OpenPlaylistAddress:
            askForPlaylistAddress();
            return;
        case TitleCommand::OpenRecentPlaylist:
            openRecentPlaylist(entry.location);
            return;
        case TitleCommand::Separator:
            return;
    }
}

}  // namespace

void onCatalogueListContextMenu(std::int32_t x, std::int32_t y) {
    HWND list = namedControl(kCatalogueList);
    const bool fromKeyboard = x == -1 && y == -1;
    POINT at = {x, y};
    std::int32_t row = -1;
    if (fromKeyboard) {
        row = selectedRow(list);
        at = rowMenuPoint(list, row);
    } else {
        row = rowAt(list, at);
        if (row >= 0) {
            selectRow(list, row);
        }
    }
    // The menu acts on the row it was opened for, whatever happens meanwhile.
    std::optional<TitleInHand> title;
    if (row >= 0) {
        title = TitleInHand{cellText(list, row, 0), cellText(list, row, 1), cellWide(list, row, 1)};
    }
    const std::vector<MenuEntry> entries = entriesFor(title);
    std::vector<Text> captions;
    for (const MenuEntry& entry : entries) {
        captions.push_back(entry.caption);
    }
    const int chosen = chooseFromMenu(captions, row >= 0 ? 0 : -1, namedControl(kMainWindow), at);
    if (chosen >= 0) {
        run(entries[static_cast<std::size_t>(chosen)], title.value_or(TitleInHand{}));
    }
}

void playSelectedTitle() {
    HWND list = namedControl(kCatalogueList);
    const std::int32_t row = selectedRow(list);
    onCatalogueRowDoubleClicked();
    if (row >= 0) {
        rememberPlayed(cellText(list, row, 0), cellText(list, row, 1));
    }
}

void onCatalogueListEnter() {
    if (selectedRow(namedControl(kCatalogueList)) >= 0) {
        playSelectedTitle();
    }
}
