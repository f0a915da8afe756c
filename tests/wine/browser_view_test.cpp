#include "win32/browser_view.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <ole2.h>

#include <map>
#include <string>
#include <vector>

#include "queued_messages.h"
#include "screenshot.h"

namespace {

// Lets the browser run its navigation, which finishes in later messages.
void pumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        dispatchQueuedMessages();
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

std::wstring windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> descendants(HWND window) {
    std::vector<HWND> found;
    EnumChildWindows(window, collectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Whether the library behind the browser control holds no live object.
bool browserLibraryIsIdle() {
    HMODULE library = GetModuleHandleW(L"ieframe.dll");
    if (library == nullptr) {
        return true;
    }
    using CanUnloadNow = HRESULT(WINAPI*)();
    auto canUnloadNow = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    return canUnloadNow == nullptr || canUnloadNow() == S_OK;
}

bool isInside(HWND view, HWND window) {
    return window == view || IsChild(view, window);
}

// Counts the input that reaches the browser's own windows.
int inputSeen = 0;
std::map<HWND, WNDPROC> originalProcs;

LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN ||
        message == WM_CHAR) {
        ++inputSeen;
    }
    return CallWindowProcW(originalProcs[window], window, message, wParam, lParam);
}

void postClicksAndKeys(const std::vector<HWND>& windows) {
    for (HWND window : windows) {
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PostMessageW(window, WM_KEYDOWN, VK_TAB, 0);
        PostMessageW(window, WM_CHAR, L'a', 0);
    }
    pumpFor(100);
}

class BrowserViewTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"BrowserViewTest";
        RegisterClassW(&windowClass);
        window_ =
            CreateWindowW(L"BrowserViewTest", L"browser view", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                          0, 640, 400, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
        edit_ = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 8, 340,
                              200, 22, window_, nullptr, windowClass.hInstance, nullptr);
    }

    void TearDown() override {
        DestroyWindow(window_);
        pumpFor(50);
        OleUninitialize();
    }

    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

TEST_F(BrowserViewTest, WritingTheAddressNavigatesAndBecomesTheWindowText) {
    HWND view = createBrowserView({window_, 7, 8, 8, 460, 320, true, true});
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(GetDlgCtrlID(view), 7);
    EXPECT_TRUE(GetWindowLongW(view, GWL_STYLE) & WS_TABSTOP);

    // Only the frame exists until the first navigation opens a document view.
    EXPECT_EQ(descendants(view).size(), 1u);
    setBrowserAddress(view, "http://127.0.0.1:1/Nuvri公告.txt");
    EXPECT_EQ(browserAddress(view), "http://127.0.0.1:1/Nuvri公告.txt");
    EXPECT_EQ(windowText(view), L"http://127.0.0.1:1/Nuvri\u516C\u544A.txt");
    pumpFor(300);
    EXPECT_GT(descendants(view).size(), 1u);
    // Whatever the navigation did, the address stays readable.
    EXPECT_EQ(windowText(view), L"http://127.0.0.1:1/Nuvri\u516C\u544A.txt");
    EXPECT_EQ(browserAddress(view), "http://127.0.0.1:1/Nuvri公告.txt");

    setBrowserAddress(view, "http://127.0.0.1:1/second.txt");
    pumpFor(300);
    EXPECT_EQ(browserAddress(view), "http://127.0.0.1:1/second.txt");
    EXPECT_EQ(windowText(view), L"http://127.0.0.1:1/second.txt");
}

TEST_F(BrowserViewTest, AnAddressWithoutSchemeIsAWebAddress) {
    HWND view = createBrowserView({window_, 1, 8, 8, 460, 320, true, true});
    setBrowserAddress(view, "127.0.0.1:8080/000.txt");
    EXPECT_EQ(browserAddress(view), "http://127.0.0.1:8080/000.txt");
    pumpFor(300);
    EXPECT_EQ(browserAddress(view), "http://127.0.0.1:8080/000.txt");

    // A host name before the port is not a scheme either.
    setBrowserAddress(view, "localhost:8080/111.txt");
    EXPECT_EQ(browserAddress(view), "http://localhost:8080/111.txt");
    setBrowserAddress(view, "HTTPS://example.invalid/a");
    EXPECT_EQ(browserAddress(view), "HTTPS://example.invalid/a");
    setBrowserAddress(view, "about:blank");
    EXPECT_EQ(browserAddress(view), "about:blank");
    setBrowserAddress(view, "");
    EXPECT_EQ(browserAddress(view), "about:blank");
    pumpFor(300);
    EXPECT_EQ(browserAddress(view), "about:blank");
}

TEST_F(BrowserViewTest, TheBrowserFillsTheViewAtEverySize) {
    HWND view = createBrowserView({window_, 1, 8, 8, 460, 320, true, true});
    HWND browser = GetWindow(view, GW_CHILD);
    ASSERT_NE(browser, nullptr);
    MoveWindow(view, 8, 8, 300, 120, TRUE);
    RECT area = {};
    GetWindowRect(browser, &area);
    EXPECT_EQ(area.right - area.left, 300);
    EXPECT_EQ(area.bottom - area.top, 120);
}

TEST_F(BrowserViewTest, FocusGivenToAnEnabledViewGoesToTheBrowser) {
    HWND view = createBrowserView({window_, 1, 8, 8, 460, 320, true, true});
    setBrowserAddress(view, "about:blank");
    pumpFor(200);
    SetFocus(edit_);
    SetFocus(view);
    pumpFor(50);
    EXPECT_TRUE(isInside(view, GetFocus()));
}

TEST_F(BrowserViewTest, ADisabledViewLetsNoInputOrFocusReachTheBrowser) {
    HWND view = createBrowserView({window_, 1, 8, 8, 460, 320, true, false});
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(IsWindowEnabled(view));
    EXPECT_TRUE(GetWindowLongW(view, GWL_STYLE) & WS_TABSTOP);
    setBrowserAddress(view, "127.0.0.1:1/000.txt");
    pumpFor(300);
    EXPECT_EQ(browserAddress(view), "http://127.0.0.1:1/000.txt");

    // Clicks and keys posted straight to the browser's own windows, past
    // any hit-testing, as a page or another program could.
    const std::vector<HWND> browserWindows = descendants(view);
    ASSERT_FALSE(browserWindows.empty());
    for (HWND window : browserWindows) {
        originalProcs[window] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingProc)));
    }
    SetFocus(edit_);
    inputSeen = 0;
    postClicksAndKeys(browserWindows);
    EXPECT_EQ(inputSeen, 0);
    for (HWND window : browserWindows) {
        SetFocus(window);
    }
    SetFocus(view);
    EXPECT_EQ(GetFocus(), edit_);

    // The same input arrives once the view is enabled: the check above is real.
    EnableWindow(view, TRUE);
    postClicksAndKeys(browserWindows);
    EXPECT_GE(inputSeen, 4 * static_cast<int>(browserWindows.size()));

    // Disabling a view that holds the focus hands the focus on.
    SetFocus(browserWindows.back());
    ASSERT_TRUE(isInside(view, GetFocus()));
    EnableWindow(view, FALSE);
    EXPECT_EQ(GetFocus(), edit_);

    for (HWND window : browserWindows) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProcs[window]));
    }
    originalProcs.clear();
}

TEST_F(BrowserViewTest, DestroyingTheParentReleasesEverything) {
    auto round = [] {
        HWND parent = CreateWindowW(L"BrowserViewTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        HWND view = createBrowserView({parent, 1, 0, 0, 280, 160, true, true});
        setBrowserAddress(view, "127.0.0.1:1/000.txt");
        pumpFor(20);
        DestroyWindow(parent);
    };
    for (int i = 0; i < 20; ++i) {
        round();
    }
    pumpFor(100);
    EXPECT_TRUE(browserLibraryIsIdle());
}

// Each view, disabled or not, shows its browser over the whole of the
// rectangle it was given and nothing beyond it: no pixel of the window's face
// inside, only face just outside.
TEST_F(BrowserViewTest, ScreenshotShowsEachViewCoveringExactlyItsRectangle) {
    const RECT places[] = {{8, 8, 468, 168}, {8, 176, 468, 208}};
    createBrowserView({window_, 1, 8, 8, 460, 160, true, true});
    HWND banner = createBrowserView({window_, 2, 8, 176, 460, 32, true, false});
    setBrowserAddress(banner, "127.0.0.1:1/111.txt");
    pumpFor(300);
    UpdateWindow(window_);
    const Screenshot shot(window_, L"browser_view");
    EXPECT_TRUE(shot.saved());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto isFace = [face](COLORREF pixel) { return pixel == face; };
    for (const RECT& place : places) {
        SCOPED_TRACE(place.top);
        EXPECT_EQ(shot.count(window_, place, isFace), 0);
        // The ring of pixels around the rectangle.
        const RECT ring[] = {{place.left - 1, place.top - 1, place.right + 1, place.top},
                             {place.left - 1, place.bottom, place.right + 1, place.bottom + 1},
                             {place.left - 1, place.top, place.left, place.bottom},
                             {place.right, place.top, place.right + 1, place.bottom}};
        int around = 0;
        for (const RECT& side : ring) {
            around += shot.count(window_, side, isFace);
        }
        const int width = place.right - place.left;
        const int height = place.bottom - place.top;
        EXPECT_EQ(around, 2 * (width + 2) + 2 * height);
    }
}

}  // namespace
