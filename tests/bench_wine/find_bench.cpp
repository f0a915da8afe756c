// Under Wine: find as you type in a main list of 20,000 rows. Prints the
// first fill of those rows, the opening of the find, each keystroke of a
// three-character text (filter and redraw; target at most 30 ms), and the
// clearing of the find, by emptying the field and by Esc, beside the first
// fill (target: no longer than it). Beside them, what any change of the
// list's rows costs at least under Wine: the list told its row count, which
// sets and draws both scroll bars, and its rows drawn.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_template.h"
#include "app/program_events.h"
#include "catalogue/embedded_playlists.h"
#include "catalogue/extract_between_markers.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "find/title_find.h"
#include "win32/list_view.h"
#include "win32/process_setup.h"
#include "win32/wide_text.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRows = 20000;

// What a person typing sees after each step: the step done and the list
// drawn again.
double millisecondsOf(HWND list, const std::function<void()>& step) {
    const auto start = Clock::now();
    step();
    UpdateWindow(list);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void settle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

// The titles of every embedded playlist, over and over, with their addresses.
void takeRows(Table<Text>& titles, Table<Text>& addresses) {
    const EmbeddedPlaylist lists[] = {EmbeddedPlaylist::Collection, EmbeddedPlaylist::Route1,
                                      EmbeddedPlaylist::Route2, EmbeddedPlaylist::Film};
    while (count(titles) < kRows) {
        for (EmbeddedPlaylist list : lists) {
            const PlaylistTags tags =
                list == EmbeddedPlaylist::Collection ? kCollectionTags : kRouteTags;
            Table<Text> someTitles;
            Table<Text> someAddresses;
            extractBetweenMarkers(embeddedPlaylist(list), tags.title, "|", someTitles);
            extractBetweenMarkers(embeddedPlaylist(list), tags.address, "|", someAddresses);
            for (std::int32_t i = 1;
                 i <= std::min(count(someTitles), count(someAddresses)) && count(titles) < kRows;
                 ++i) {
                titles.append(someTitles[i]);
                addresses.append(someAddresses[i]);
            }
        }
    }
}

// As the program's fills do it.
void fill(HWND list, const Table<Text>& titles, const Table<Text>& addresses) {
    RowBatch batch(list);
    deleteAllRows(list);
    for (std::int32_t row = 1; row <= count(titles); ++row) {
        const std::int32_t made = appendRow(list);
        setCellText(list, made, 0, titles[row]);
        setCellText(list, made, 1, addresses[row]);
    }
}

HWND findEdit(HWND window) {
    return FindWindowExW(FindWindowExW(window, nullptr, L"NuvriFindField", nullptr), nullptr,
                         L"Edit", nullptr);
}

void typeCharacter(HWND edit, wchar_t character) {
    SendMessageW(edit, WM_CHAR, character, 1);
}

}  // namespace

int main() {
    std::printf("%d-bit build\n", static_cast<int>(sizeof(void*) * 8));
    OleSession ole;
    createProgramState();
    MainWindow window(mainWindowTemplate(), programEventTable());
    if (!window.create()) {
        return 1;
    }
    HWND list = window.control(kCatalogueList);
    Table<Text> titles;
    Table<Text> addresses;
    takeRows(titles, addresses);

    // Each round fills the list anew, so every fill is a first fill of
    // these rows, and finds in it.
    const std::wstring text = toWide("江南往");
    const int rounds = 5;
    double firstFill = 1e300;
    double open = 1e300;
    std::vector<double> keystrokes(text.size(), 1e300);
    double emptied = 1e300;
    double escaped = 1e300;
    double redrawn = 1e300;
    std::int32_t shown = 0;
    for (int round = 0; round < rounds; ++round) {
        settle();
        firstFill =
            std::min(firstFill, millisecondsOf(list, [&] { fill(list, titles, addresses); }));
        redrawn = std::min(redrawn, millisecondsOf(list, [&] {
                               SendMessageW(list, LVM_SETITEMCOUNT, rowCount(list), 0);
                           }));
        open = std::min(open, millisecondsOf(list, [] { openTitleFind(); }));
        HWND edit = findEdit(window.handle());
        for (std::size_t i = 0; i < text.size(); ++i) {
            keystrokes[i] = std::min(keystrokes[i],
                                     millisecondsOf(list, [&] { typeCharacter(edit, text[i]); }));
        }
        shown = rowCount(list);
        emptied = std::min(emptied, millisecondsOf(list, [&] {
                               SendMessageW(edit, EM_SETSEL, 0, -1);
                               typeCharacter(edit, VK_BACK);
                           }));
        for (wchar_t character : text) {
            typeCharacter(edit, character);
        }
        escaped = std::min(
            escaped, millisecondsOf(list, [&] { SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1); }));
    }
    std::printf("rows: %d, of which the three characters leave %d\n", rowCount(list), shown);
    std::printf("first fill of the rows:    %7.1f ms\n", firstFill);
    std::printf("the same count drawn again: %6.1f ms (what any change of rows costs at least)\n",
                redrawn);
    std::printf("opening the find:          %7.1f ms\n", open);
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::printf("keystroke %zu:               %7.1f ms (target <= 30)\n", i + 1, keystrokes[i]);
    }
    std::printf("emptying the field:        %7.1f ms, %.2f of the first fill (target <= 1)\n",
                emptied, emptied / firstFill);
    std::printf("Esc:                       %7.1f ms, %.2f of the first fill (target <= 1)\n",
                escaped, escaped / firstFill);
    std::printf("(each the best of %d rounds)\n", rounds);
    DestroyWindow(window.handle());
    onProgramEnd();
    return 0;
}
