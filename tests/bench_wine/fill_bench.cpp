// Under Wine: the time from choosing the 1489-row route to the filled list,
// next to inserting the same rows with no extraction, and the longest gap
// between two processed window messages during the fill.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_template.h"
#include "app/program_events.h"
#include "catalogue/embedded_playlists.h"
#include "catalogue/extract_between_markers.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "win32/combo_choice.h"
#include "win32/list_view.h"
#include "win32/process_setup.h"
#include "win32/standard_controls.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Window messages dispatched during the fill, as the times they ran.
std::vector<Clock::time_point> ticks;

LRESULT CALLBACK tickProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        ticks.push_back(Clock::now());
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND tickWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = tickProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FillBenchTicks";
    RegisterClassW(&windowClass);
    return CreateWindowW(L"FillBenchTicks", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr);
}

// Lets every window finish its pending work (the list's repaint after the
// last round) so that each timed round starts from the same quiet state.
void settle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

// The route's choice as the combo box confirms it.
void chooseRoute(HWND routes, int item) {
    SendMessageW(routes, CB_SETCURSEL, item, 0);
    SendMessageW(GetAncestor(routes, GA_ROOT), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(routes), kComboChoiceConfirmed),
                 reinterpret_cast<LPARAM>(routes));
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
    HWND routes = window.control(kRouteSelector);
    HWND ticker = tickWindow();
    const int rounds = 5;

    double fill = 1e300;
    double longestGap = 0;
    for (int round = 0; round < rounds; ++round) {
        settle();
        ticks.clear();
        // Another thread posts a message every millisecond; the fill lets the
        // window process them as it goes.
        std::atomic<bool> filling = true;
        std::thread poster([&] {
            while (filling) {
                PostMessageW(ticker, WM_APP, 0, 0);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        const auto start = Clock::now();
        chooseRoute(routes, 0);
        const auto end = Clock::now();
        filling = false;
        poster.join();
        fill = std::min(fill, millisecondsSince(start));
        ticks.insert(ticks.begin(), start);
        ticks.push_back(end);
        for (std::size_t i = 1; i < ticks.size(); ++i) {
            longestGap = std::max(
                longestGap,
                std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count());
        }
        MSG message;
        while (PeekMessageW(&message, ticker, WM_APP, WM_APP, PM_REMOVE)) {
        }
    }

    Table<Text> titles;
    Table<Text> addresses;
    const std::string_view playlist = embeddedPlaylist(EmbeddedPlaylist::Collection);
    settle();
    auto start = Clock::now();
    extractBetweenMarkers(playlist, kCollectionTags.title, "|", titles);
    extractBetweenMarkers(playlist, kCollectionTags.address, "|", addresses);
    const double extraction = millisecondsSince(start);

    double insertion = 1e300;
    for (int round = 0; round < rounds; ++round) {
        settle();
        start = Clock::now();
        {
            RowBatch batch(list);
            deleteAllRows(list);
            for (std::int32_t row = 1; row <= count(titles); ++row) {
                const std::int32_t made = appendRow(list);
                setCellText(list, made, 0, titles[row]);
                setCellText(list, made, 1, addresses[row]);
            }
        }
        insertion = std::min(insertion, millisecondsSince(start));
    }

    std::printf("rows: %d\n", rowCount(list));
    std::printf("route selection to filled list: %.1f ms (best of %d)\n", fill, rounds);
    std::printf("inserting the same rows alone:  %.1f ms (best of %d)\n", insertion, rounds);
    std::printf("ratio: %.2f (target <= 1.5)\n", fill / insertion);
    std::printf("extraction alone: %.1f ms\n", extraction);
    std::printf("longest gap between processed messages during a fill: %.1f ms\n", longestGap);
    DestroyWindow(window.handle());
    onProgramEnd();
    return 0;
}
