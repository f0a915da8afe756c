// Under Wine, with the reference list service running: the native client
// reading a 50 MiB body from the service, next to the time curl took for the
// same address in the same run (given as the first argument, in
// milliseconds), and their ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/hosts.h"
#include "http/native_http_request.h"
#include "win32/process_setup.h"

int main(int argc, char** argv) {
    std::printf("%d-bit build\n", static_cast<int>(sizeof(void*) * 8));
    using Clock = std::chrono::steady_clock;
    const double curlMs = argc > 1 ? std::atof(argv[1]) : 0.0;
    OleSession ole;
    const std::string address = std::string("http://") + kListServiceHost + "/drill/large?mb=50";

    std::vector<double> times;
    std::size_t size = 0;
    for (int run = 0; run < 5; ++run) {
        Bytes body;
        Text status;
        const auto start = Clock::now();
        nativeHttpRequest(address, 0, {}, nullptr, nullptr, {}, nullptr, false, {}, {}, {}, {}, {},
                          0, nullptr, &status, &body);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        size = body.size();
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf(
        "native client, %.1f MiB body: median %.0f ms (min %.0f, max %.0f, 5 runs), "
        "%.0f MiB/s\n",
        size / 1048576.0, median, times.front(), times.back(),
        size / 1048576.0 / (median / 1000.0));
    if (curlMs > 0) {
        std::printf("curl, same address: median %.0f ms\n", curlMs);
        std::printf("ratio native client / curl: %.1f\n", median / curlMs);
    }
    return size == 50u * 1048576u ? 0 : 1;
}
