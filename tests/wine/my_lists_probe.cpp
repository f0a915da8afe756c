// Another copy of the program adding favourites: my_lists_probe TAG COUNT
// adds "TAG i" at http://probe/TAG/i for i from 0, once the test signals the
// event "NuvriListsProbeStart" (after each probe has said it is ready through
// the semaphore "NuvriListsProbeReady"); exits with the number of additions
// that failed.
#include <windows.h>

#include <string>

#include "my_lists/list_store.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        return -1;
    }
    const std::string tag = argv[1];
    const int count = std::stoi(argv[2]);
    const HANDLE start = OpenEventW(SYNCHRONIZE, FALSE, L"NuvriListsProbeStart");
    const HANDLE ready = OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, L"NuvriListsProbeReady");
    if (!start || !ready || !ReleaseSemaphore(ready, 1, nullptr) ||
        WaitForSingleObject(start, 60000) != WAIT_OBJECT_0) {
        return -1;
    }
    CloseHandle(start);
    CloseHandle(ready);
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        if (putOnTop(kFavourites, tag + " " + number, "http://probe/" + tag + "/" + number) !=
            ListOutcome::Done) {
            ++failed;
        }
        // A moment between additions, as between a user's clicks, lets the
        // other copy in: one copy woken late could otherwise finish alone.
        Sleep(2);
    }
    return failed;
}
