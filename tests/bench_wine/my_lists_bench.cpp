// Under Wine: loading and saving favourites and recently played titles of
// 10,000 entries each (target: under 50 ms each), in an application-data
// folder of its own; and showing the 10,000 favourites in the main list.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_template.h"
#include "app/program_events.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "common/utf8_to_gbk.h"
#include "my_lists/list_file_format.h"
#include "my_lists/list_store.h"
#include "my_lists/my_lists.h"
#include "win32/list_view.h"
#include "win32/process_setup.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kEntries = 10000;
constexpr int kRounds = 9;

// A list file of kEntries entries with Chinese titles and addresses of a
// typical length.
std::string listFile(const UserList& list) {
    std::vector<ListEntry> entries;
    for (int i = 0; i < kEntries; ++i) {
        const std::string number = std::to_string(i);
        entries.push_back(*fitListEntry(
            gbkToUtf8("第" + number + "部 高清完整版 国语中字"),
            "http://media.example/videos/2024/" + number + "/index.m3u8?quality=high&from=list"));
    }
    return writeListFile(gbkToUtf8(list.comment), entries);
}

struct Figures {
    double median;
    double worst;
};

// Each round first runs `prepare` untimed, then times `measured`.
Figures measure(const std::function<void()>& prepare, const std::function<void()>& measured) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        prepare();
        const auto start = Clock::now();
        measured();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

void print(const char* what, Figures figures) {
    std::printf("%-52s median %6.1f ms, worst %6.1f ms\n", what, figures.median, figures.worst);
}

}  // namespace

int main() {
    std::printf("%d-bit build, %d entries, %d rounds (target: load and save under 50 ms)\n",
                static_cast<int>(sizeof(void*) * 8), kEntries, kRounds);
    const fs::path appData =
        fs::temp_directory_path() / ("nuvri-lists-bench-" + std::to_string(GetCurrentProcessId()));
    const fs::path folder = appData / "Nuvri";
    fs::create_directories(folder);
    SetEnvironmentVariableW(L"APPDATA", appData.c_str());

    int added = 0;
    for (const UserList* list : {&kFavourites, &kRecentlyPlayed}) {
        const std::string text = listFile(*list);
        const fs::path path = folder / std::string(list->fileName);
        const auto restore = [&] { std::ofstream(path, std::ios::binary) << text; };
        const std::string name = list == &kFavourites ? "favourites" : "recently played";
        std::printf("%s: %zu bytes\n", name.c_str(), text.size());
        restore();
        std::size_t rows = 0;
        print((name + ": load").c_str(),
              measure([] {}, [&] { rows = readUserList(*list).rows.size(); }));
        // A save re-reads the file, puts one entry first and replaces the file.
        print((name + ": save one entry").c_str(), measure(restore, [&] {
                  const std::string number = std::to_string(++added);
                  putOnTop(*list, "新加的 " + number, "http://media.example/new/" + number);
              }));
        std::printf("  (%zu rows loaded; a save writes %zu)\n", rows,
                    list->limit > 0 ? list->limit : rows + 1);
    }
    print("favourites: is one address a favourite",
          measure([] {}, [] { isFavourite("http://media.example/videos/2024/9999/x"); }));

    OleSession ole;
    createProgramState();
    MainWindow window(mainWindowTemplate(), programEventTable());
    if (!window.create()) {
        return 1;
    }
    print("favourites: shown in the main list", measure([] {}, showFavourites));
    std::printf("  (%d rows shown)\n", rowCount(window.control(kCatalogueList)));
    DestroyWindow(window.handle());
    onProgramEnd();
    fs::remove_all(appData);
    return 0;
}
