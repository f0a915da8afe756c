// Under Wine, with the reference list service running: the time from a click
// on a game entry to the filled main list, for an answer of 1,000 items,
// next to the time curl took for the same address in the same run (given as
// the first argument, in milliseconds), and their ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_template.h"
#include "app/program_events.h"
#include "common/hosts.h"
#include "common/program_controls.h"
#include "common/program_state.h"
#include "http/object_http_request.h"
#include "win32/list_view.h"
#include "win32/process_setup.h"
#include "win32/rollup_menu.h"

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

int main(int argc, char** argv) {
    std::printf("%d-bit build\n", static_cast<int>(sizeof(void*) * 8));
    const double curlMs = argc > 1 ? std::atof(argv[1]) : 0.0;
    OleSession ole;
    createProgramState();
    MainWindow window(mainWindowTemplate(), programEventTable());
    if (!window.create()) {
        std::puts("the main window could not be made");
        return 1;
    }
    ShowWindow(window.handle(), SW_SHOW);
    HWND menu = window.control(kCategoryMenu);
    HWND list = window.control(kCatalogueList);

    // "随机精选" (game group, entry 9); the service answers it with 1,000 items.
    std::vector<double> times;
    int rows = 0;
    for (int run = 0; run < 21; ++run) {
        const auto start = Clock::now();
        reportEntryClicked(menu, 1, 9);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        rows = rowCount(list);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];

    // The fetch alone, through the request object, for the same address.
    std::vector<double> fetches;
    const std::string address = std::string("http://") + kListServiceHost + "/zb/douyu.php?p=0";
    for (int run = 0; run < 21; ++run) {
        const auto start = Clock::now();
        objectHttpRequest(address);
        fetches.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(fetches.begin(), fetches.end());
    std::printf("click to filled list, %d rows: median %.1f ms (min %.1f, max %.1f, 21 runs)\n",
                rows, median, times.front(), times.back());
    std::printf("of which the request object's fetch: median %.1f ms\n",
                fetches[fetches.size() / 2]);
    if (curlMs > 0) {
        std::printf("curl, same address: median %.1f ms\n", curlMs);
        std::printf("ratio click / curl: %.1f\n", median / curlMs);
    }
    DestroyWindow(window.handle());
    onProgramEnd();
    return rows == 1000 ? 0 : 1;
}
