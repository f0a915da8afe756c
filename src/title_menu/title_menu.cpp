#include "title_menu.h"

#include <vector>

#include "common/program_controls.h"
#include "playback/playback.h"
#include "system_player.h"
#include "win32/clipboard.h"
#include "win32/list_view.h"
#include "win32/named_controls.h"
#include "win32/popup_menu.h"

namespace {

enum class TitleCommand { Play, SystemPlayer, CopyAddress };

struct MenuEntry {
    Text caption;  // empty: a separator
    TitleCommand command;
};

struct TitleInHand {
    Text title;
    Text address;
};

std::vector<MenuEntry> entriesFor(bool onRow) {
    std::vector<MenuEntry> entries;
    if (onRow) {
        entries.push_back({"播放", TitleCommand::Play});
        entries.push_back({"用系统播放器打开", TitleCommand::SystemPlayer});
        entries.push_back({"复制视频地址", TitleCommand::CopyAddress});
    }
    return entries;
}

void run(TitleCommand command, const TitleInHand& title) {
    switch (command) {
        case TitleCommand::Play:
            playSelectedTitle();
            return;
        case TitleCommand::SystemPlayer:
            openInSystemPlayer(title.address);
            return;
        case TitleCommand::CopyAddress:
            toClipboard(title.address);
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
    const TitleInHand title = {cellText(list, row, 0), cellText(list, row, 1)};
    const std::vector<MenuEntry> entries = entriesFor(row >= 0);
    std::vector<Text> captions;
    for (const MenuEntry& entry : entries) {
        captions.push_back(entry.caption);
    }
    const int chosen = chooseFromMenu(captions, row >= 0 ? 0 : -1, namedControl(kMainWindow), at);
    if (chosen >= 0) {
        run(entries[static_cast<std::size_t>(chosen)].command, title);
    }
}

void playSelectedTitle() {
    onCatalogueRowDoubleClicked();
}

void onCatalogueListEnter() {
    if (selectedRow(namedControl(kCatalogueList)) >= 0) {
        playSelectedTitle();
    }
}
