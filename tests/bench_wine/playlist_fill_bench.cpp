// Under Wine: a playlist of 100,000 entries (about 10 MiB, titles with
// attributes, groups and Chinese) read and filled into the main list. Prints
// the reading (target at most 100 ms), the fill from the entries read, and
// inserting the same rows alone beside it (target: the fill at most 1.2
// times as long), each the best of several rounds in this one run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_template.h"
#include "app/program_events.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "playlists/playlist_fill.h"
#include "playlists/playlist_reader.h"
#include "win32/list_view.h"
#include "win32/process_setup.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEntries = 100000;
constexpr int kRounds = 5;

double millisecondsOf(const auto& step) {
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void settle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

std::string playlist() {
    std::string text = "#EXTM3U\r\n";
    text.reserve(11u << 20);
    for (int i = 0; i < kEntries; ++i) {
        const std::string number = std::to_string(i);
        text += "#EXTINF:-1 tvg-id=\"ch" + number + "\" group-title=\"\xE7\x94\xB5\xE5\xBD\xB1, " +
                number.substr(0, 2) + "\",\xE7\xAC\xAC " + number +
                " \xE9\x83\xA8\xE5\xBD\xB1\xE7\x89\x87\r\n";
        text += "http://127.0.0.1:8460/media/clip" + number + ".mp4\r\n";
    }
    return text;
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
    const std::string text = playlist();

    double reading = 1e300;
    double filling = 1e300;
    double inserting = 1e300;
    std::size_t read = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<PlaylistEntry> entries;
        reading = std::min(
            reading, millisecondsOf([&] { entries = readPlaylist(text, u"C:\\lists\\big.m3u8"); }));
        read = entries.size();
        // The same rows, already in the list's own texts, inserted alone.
        std::vector<std::u16string> titles;
        std::vector<std::u16string> addresses;
        for (const PlaylistEntry& entry : entries) {
            titles.push_back(entry.title);
            addresses.push_back(entry.address);
        }
        settle();
        filling = std::min(filling, millisecondsOf([&] {
                               fillFromPlaylist(std::move(entries));
                               UpdateWindow(list);
                           }));
        settle();
        inserting = std::min(inserting, millisecondsOf([&] {
                                 {
                                     RowBatch batch(list);
                                     deleteAllRows(list);
                                     for (std::size_t i = 0; i < titles.size(); ++i) {
                                         const std::int32_t row = appendRow(list);
                                         setCellUtf16(list, row, 0, std::move(titles[i]));
                                         setCellUtf16(list, row, 1, std::move(addresses[i]));
                                     }
                                 }
                                 // Drawn, as the fill's rows are.
                                 UpdateWindow(list);
                             }));
        settle();
    }
    std::printf("playlist: %d entries, %.1f MiB; %zu read, %d rows in the list\n", kEntries,
                static_cast<double>(text.size()) / (1 << 20), read, rowCount(list));
    std::printf("reading:                   %7.1f ms (target <= 100)\n", reading);
    std::printf("filling the list:          %7.1f ms\n", filling);
    std::printf("inserting the rows alone:  %7.1f ms\n", inserting);
    std::printf("ratio: %.2f (target <= 1.2)\n", filling / inserting);
    std::printf("(each the best of %d rounds)\n", kRounds);
    DestroyWindow(window.handle());
    onProgramEnd();
    return 0;
}
