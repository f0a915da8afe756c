#include "title_menu.h"

#include <optional>
#include <vector>

#include "common/program_controls.h"
#include "find/title_find.h"
#include "my_lists/my_lists.h"
#include "playback/playback.h"
#include "system_player.h"
#include "win32/clipboard.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/popup_menu.h"

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
};

struct MenuEntry {
    Text caption;  // empty: a separator
    TitleCommand command;
};

struct TitleInHand {
    Text title;
    Text address;
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
    return entries;
}

void run(TitleCommand command, const TitleInHand& title) {
    switch (command) {
        case TitleCommand::Play:
            playSelectedTitle();
            return;
        case TitleCommand::SystemPlayer:
            if (openInSystemPlayer(title.address)) {
                rememberPlayed(title.title, title.address);
            }
            return;
        case TitleCommand::CopyAddress:
            toClipboard(title.address);
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
        title = TitleInHand{cellText(list, row, 0), cellText(list, row, 1)};
    }
    const std::vector<MenuEntry> entries = entriesFor(title);
    std::vector<Text> captions;
    for (const MenuEntry& entry : entries) {
        captions.push_back(entry.caption);
    }
    const int chosen = chooseFromMenu(captions, row >= 0 ? 0 : -1, namedControl(kMainWindow), at);
    if (chosen >= 0) {
        run(entries[static_cast<std::size_t>(chosen)].command, title.value_or(TitleInHand{}));
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
