// Looks at the running program from outside, as the end-to-end test needs:
//   window_probe DESKTOP window [ROWS]  the top-level windows, then the main
//                                       window's title, controls, focus, the
//                                       points of its frame and its lists'
//                                       rows (the cells of the first ROWS)
//   window_probe DESKTOP clipboard      the clipboard's text
//   window_probe DESKTOP copy HEX       puts a text, the hex digits of its
//                                       UTF-8 bytes, on the clipboard, as a
//                                       user copies a text from elsewhere
//   window_probe DESKTOP watch ID MS    for MS milliseconds, every row count
//                                       of the list with control id ID as it
//                                       changes (a fill empties the list, then
//                                       fills it)
// It joins the Wine desktop DESKTOP first, where the program's windows are.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "probe_output.h"
#include "remote_list_view.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"NuvriTopLevelWindow";

std::wstring className(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT windowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT clientRectOnScreen(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

BOOL CALLBACK addWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

bool isControlId(int id) {
    return id >= kFirstControlId && id < kFirstMenuItemId;
}

// The program's controls: children of the window or of a group box in it.
std::vector<HWND> controlsOf(HWND main) {
    std::vector<HWND> all;
    EnumChildWindows(main, addWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> controls;
    for (HWND child : all) {
        const HWND parent = GetParent(child);
        if (isControlId(GetDlgCtrlID(child)) &&
            (parent == main || (GetParent(parent) == main && isControlId(GetDlgCtrlID(parent))))) {
            controls.push_back(child);
        }
    }
    return controls;
}

// The control that holds `window` (a combo box's edit field, a browser's
// inner windows), or 0.
int controlIdAround(HWND window, HWND main) {
    const std::vector<HWND> controls = controlsOf(main);
    for (HWND at = window; at && at != main; at = GetParent(at)) {
        for (HWND control : controls) {
            if (control == at) {
                return GetDlgCtrlID(control);
            }
        }
    }
    return 0;
}

// The middle of the points of `area` that answer `code`.
void printHitPoint(HWND main, const char* name, LRESULT code, const RECT& area) {
    long long sumX = 0;
    long long sumY = 0;
    long long points = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == code) {
                sumX += x;
                sumY += y;
                ++points;
            }
        }
    }
    if (points > 0) {
        FactLine("hit") << name << sumX / points << sumY / points;
    }
}

// A sizing corner's point in the middle of the frame: on the diagonal from
// the outer corner (`x`, `y`) inwards by (`stepX`, `stepY`), halfway along the
// points that answer `code` and lie outside the client area (a click there
// would go to the child under it).
void printCornerPoint(HWND main, const char* name, LRESULT code, POINT corner, int stepX,
                      int stepY) {
    const RECT client = clientRectOnScreen(main);
    int first = -1;
    int last = -1;
    for (int k = 0; k < 16; ++k) {
        const POINT at = {corner.x + k * stepX, corner.y + k * stepY};
        if (!PtInRect(&client, at) &&
            SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == code) {
            first = first < 0 ? k : first;
            last = k;
        }
    }
    if (first >= 0) {
        const int k = (first + last) / 2;
        FactLine("hit") << name << corner.x + k * stepX << corner.y + k * stepY;
    }
}

void printListView(HWND list, HANDLE process, int cellRows) {
    const RemoteListView view(list, process);
    const int id = GetDlgCtrlID(list);
    const int rows = view.rowCount();
    FactLine("rows") << id << rows;
    FactLine("selected") << id << view.selectedRow();
    if (!view.usable()) {
        return;
    }
    const int top = view.topRow();
    FactLine("page") << id << top << view.rowsPerPage();
    for (int row = top; row < rows && row <= top + view.rowsPerPage(); ++row) {
        FactLine("rowrect") << id << row << view.rowRect(row);
    }
    for (int row = 0; row < rows && row < cellRows; ++row) {
        for (int column = 0; column < 3; ++column) {
            FactLine("cell") << id << row << column << view.cellText(row, column);
        }
    }
}

void printComboBox(HWND combo) {
    const int id = GetDlgCtrlID(combo);
    FactLine("combo") << id << SendMessageW(combo, CB_GETCURSEL, 0, 0)
                      << SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)
                      << SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
}

void printMainWindow(HWND main, int cellRows) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(main, &processId);
    FactLine("window") << processId << windowRect(main) << clientRectOnScreen(main);
    FactLine("title") << windowText(main);

    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(threadId, &thread);
    FactLine("focus") << controlIdAround(thread.hwndFocus, main);

    const RECT frame = windowRect(main);
    printHitPoint(main, "close", HTCLOSE,
                  {frame.right - 80, frame.top, frame.right, frame.top + 40});
    printCornerPoint(main, "topleft", HTTOPLEFT, {frame.left, frame.top}, 1, 1);
    printCornerPoint(main, "bottomright", HTBOTTOMRIGHT, {frame.right - 1, frame.bottom - 1}, -1,
                     -1);

    HANDLE process = OpenProcess(
        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
        FALSE, processId);
    for (HWND control : controlsOf(main)) {
        const int id = GetDlgCtrlID(control);
        const std::wstring kind = className(control);
        FactLine("control") << id << kind << GetDlgCtrlID(GetParent(control))
                            << (IsWindowVisible(control) ? 1 : 0) << windowRect(control)
                            << clientRectOnScreen(control);
        FactLine("text") << id << windowText(control);
        if (kind == WC_LISTVIEWW && process) {
            printListView(control, process, cellRows);
        } else if (kind == WC_COMBOBOXW) {
            printComboBox(control);
        }
    }
    if (process) {
        CloseHandle(process);
    }
}

void printWindows(int cellRows) {
    std::vector<HWND> windows;
    EnumWindows(addWindow, reinterpret_cast<LPARAM>(&windows));
    HWND main = nullptr;
    for (HWND window : windows) {
        if (!IsWindowVisible(window)) {
            continue;
        }
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        FactLine("toplevel") << className(window) << processId << windowRect(window)
                             << windowText(window);
        if (className(window) == kMainWindowClass) {
            main = window;
        }
    }
    if (main) {
        printMainWindow(main, cellRows);
    }
}

void printClipboard() {
    for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) {
        Sleep(20);
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            FactLine("clipboard") << "unicode" << std::wstring(text);
            GlobalUnlock(data);
        }
    }
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* text = static_cast<const unsigned char*>(GlobalLock(data))) {
            std::wstring hex;
            for (const unsigned char* at = text; *at; ++at) {
                constexpr wchar_t kDigits[] = L"0123456789abcdef";
                hex += kDigits[*at >> 4];
                hex += kDigits[*at & 15];
            }
            FactLine("clipboard") << "ansi-hex" << hex;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
}

void copyToClipboard(const std::wstring& hex) {
    std::string utf8;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2) {
        utf8 += static_cast<char>(std::stoi(std::wstring(hex, at, 2), nullptr, 16));
    }
    std::wstring text(utf8.size() + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                            static_cast<int>(text.size()))));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (auto* target = static_cast<wchar_t*>(GlobalLock(block))) {
        std::copy(text.c_str(), text.c_str() + text.size() + 1, target);
        GlobalUnlock(block);
    }
    for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) {
        Sleep(20);
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
        FactLine("error") << "SetClipboardData" << static_cast<long long>(GetLastError());
        GlobalFree(block);
    }
    CloseClipboard();
}

// The main window, or null.
HWND mainWindow() {
    return FindWindowW(kMainWindowClass, nullptr);
}

void watchRowCount(int id, int milliseconds) {
    HWND list = nullptr;
    for (HWND control : controlsOf(mainWindow())) {
        if (GetDlgCtrlID(control) == id) {
            list = control;
        }
    }
    FactLine("watching") << id;
    std::fflush(stdout);
    long long last = -1;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        DWORD_PTR rows = 0;
        if (list &&
            SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 200, &rows) &&
            static_cast<long long>(rows) != last) {
            last = static_cast<long long>(rows);
            FactLine("count") << last;
            std::fflush(stdout);
        }
        Sleep(1);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    useBinaryOutput();
    if (argc < 3) {
        FactLine("usage")
            << "window_probe DESKTOP window [ROWS] | clipboard | copy HEX | watch ID MS";
        return 2;
    }
    if (HDESK desktop = OpenDesktopW(argv[1], 0, FALSE, GENERIC_ALL)) {
        if (!SetThreadDesktop(desktop)) {
            FactLine("error") << "SetThreadDesktop" << static_cast<long long>(GetLastError());
        }
    } else {
        FactLine("error") << "OpenDesktop" << static_cast<long long>(GetLastError());
    }
    const std::wstring command = argv[2];
    if (command == L"window") {
        printWindows(argc > 3 ? _wtoi(argv[3]) : INT_MAX);
    } else if (command == L"clipboard") {
        printClipboard();
    } else if (command == L"copy" && argc > 3) {
        copyToClipboard(argv[3]);
    } else if (command == L"watch" && argc > 4) {
        watchRowCount(_wtoi(argv[3]), _wtoi(argv[4]));
    } else {
        FactLine("usage")
            << "window_probe DESKTOP window [ROWS] | clipboard | copy HEX | watch ID MS";
        return 2;
    }
    return 0;
}
