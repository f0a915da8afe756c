// The skin library as the system loader loads it: its exports, the colours it
// gives a window of our controls, the windows created while it is attached,
// and how exactly it gives everything back.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "app/embedded_skin.h"
#include "queued_messages.h"
#include "screenshot.h"
#include "skin_format.h"
#include "win32/group_box.h"
#include "win32/rollup_menu.h"
#include "win32/standard_controls.h"

namespace {

using AttachRes = int __stdcall(const std::uint8_t*, int, const char*, int, int, int);
using AttachEx = int __stdcall(const char*, const char*, int, int);
using WindowFunction = int __stdcall(int);
using WindowValueFunction = int __stdcall(int, int);
using ColourFunction = int __stdcall(int, int, int, int);
using NoArguments = int __stdcall();

const char* const kExports[] = {
    "SkinH_AdjustAero",     "SkinH_Attach",
    "SkinH_AttachEx",       "SkinH_AttachRes",
    "SkinH_AttachResEx",    "SkinH_Detach",
    "SkinH_DetachEx",       "SkinH_GetColor",
    "SkinH_LockUpdate",     "SkinH_Map",
    "SkinH_NineBlt",        "SkinH_SetAero",
    "SkinH_SetBackColor",   "SkinH_SetForeColor",
    "SkinH_SetMenuAlpha",   "SkinH_SetTitleMenuBar",
    "SkinH_SetWindowAlpha", "SkinH_SetWindowMovable",
};

std::string libraryPath() {
    std::string path = NUVRI_SKIN_LIBRARY;  // a path of the build machine, reached through Z:
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

std::wstring widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

int handleOf(HWND window) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(window));
}

// The library, detached and unloaded when the test ends however it ends, so
// that no window keeps a procedure of an unloaded library.
class SkinLibrary {
  public:
    SkinLibrary() : module_(LoadLibraryW(widen(libraryPath()).c_str())) {}
    ~SkinLibrary() {
        if (module_) {
            detach();
            FreeLibrary(module_);
        }
    }
    SkinLibrary(const SkinLibrary&) = delete;
    SkinLibrary& operator=(const SkinLibrary&) = delete;

    HMODULE module() const { return module_; }

    template <class Function>
    Function* find(const char* name) const {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }
    int attachRes(std::span<const std::uint8_t> bytes) const {
        return find<AttachRes>("SkinH_AttachRes")(bytes.data(), static_cast<int>(bytes.size()),
                                                  nullptr, 0, 0, 0);
    }
    int detach() const { return find<NoArguments>("SkinH_Detach")(); }

  private:
    HMODULE module_;
};

// A plain top-level window in the system's button face colour.
HWND createFrame(int left, int top, int width, int height) {
    static const bool registered = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"SkinTestFrame";
        return RegisterClassW(&windowClass) != 0;
    }();
    static_cast<void>(registered);
    return CreateWindowExW(0, L"SkinTestFrame", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, left,
                           top, width, height, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

void paintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    dispatchQueuedMessages();
}

// The pixel at client point (x, y) of `window` as the screen shows it.
COLORREF pixel(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

struct ControlColours {
    COLORREF brush;
    COLORREF text;
    bool operator==(const ControlColours&) const = default;
};

// What `parent` answers to a WM_CTLCOLOR* `message` from `control`.
ControlColours askColours(HWND parent, HWND control, UINT message) {
    HDC dc = GetDC(control);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH logBrush = {};
    const bool known = brush && GetObjectW(brush, sizeof logBrush, &logBrush) == sizeof logBrush;
    const ControlColours colours = {known ? logBrush.lbColor : CLR_INVALID, GetTextColor(dc)};
    ReleaseDC(control, dc);
    return colours;
}

struct ListColours {
    COLORREF back;
    COLORREF text;
    COLORREF textBack;
    bool operator==(const ListColours&) const = default;
};

ListColours listColours(HWND list) {
    return {ListView_GetBkColor(list), ListView_GetTextColor(list), ListView_GetTextBkColor(list)};
}

// Everything the skin changes in the test window, as values and as pixels.
struct Look {
    ControlColours label;
    ControlColours combo;
    ListColours list;
    COLORREF frameBackground;
    COLORREF buttonFace;
    COLORREF headerFace;
    COLORREF headerRest;
    COLORREF groupFrameDark;
    COLORREF groupFrameLight;
    COLORREF groupFace;
    COLORREF menuHeader;
    COLORREF menuEntries;
    bool operator==(const Look&) const = default;
};

class SkinLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(library.module()) << libraryPath();
        ASSERT_TRUE(frame);
        SetForegroundWindow(frame);
    }
    void TearDown() override { DestroyWindow(frame); }

    HWND child(int id) const { return GetDlgItem(frame, id); }

    Look look() const {
        paintNow(frame);
        HWND header = ListView_GetHeader(list);
        return {askColours(frame, label, WM_CTLCOLORSTATIC),
                askColours(frame, combo, WM_CTLCOLOREDIT),
                listColours(list),
                pixel(frame, 480, 370),
                pixel(button, 4, 13),
                pixel(header, 50, 3),
                pixel(header, 285, 5),
                pixel(groupBox, 0, 60),
                pixel(groupBox, 1, 60),
                pixel(groupBox, 120, 60),
                pixel(menu, 3, 3),
                pixel(menu, 140, 30)};
    }

    // The look of the test window under the carried skin.
    Look skinnedLook() const {
        const SkinTheme& skin = theme();
        return {
            {skin[SkinColour::windowBack], skin[SkinColour::windowText]},
            {skin[SkinColour::controlBack], skin[SkinColour::controlText]},
            {skin[SkinColour::listBack], skin[SkinColour::listText], skin[SkinColour::listBack]},
            skin[SkinColour::windowBack],
            skin[SkinColour::buttonFace],
            skin[SkinColour::headerFace],
            skin[SkinColour::headerFace],
            skin[SkinColour::frameShadow],
            skin[SkinColour::frameLight],
            skin[SkinColour::windowBack],
            skin[SkinColour::menuHeaderFace],
            skin[SkinColour::menuEntryBack]};
    }

    static const SkinTheme& theme() {
        static const SkinTheme parsed = parseSkin(skinData()).value_or(SkinTheme{});
        return parsed;
    }

    SkinLibrary library;
    HWND frame = createFrame(0, 0, 520, 400);
    HWND label = createLabel({frame, 1, 10, 10, 120, 20, false, true}, "标签");
    HWND button = createPushButton({frame, 2, 10, 40, 100, 26, true, true}, "按钮");
    HWND combo = createComboBox({frame, 3, 10, 80, 150, 20, true, true}, {"一", "二"}, "组合框");
    HWND list =
        createListView({frame, 4, 180, 10, 300, 150, true, true}, {{"序号", 60}, {"标题", 200}});
    HWND groupBox = createGroupBox({frame, 5, 10, 180, 240, 120, false, true}, "分组框");
    HWND menu = createRollupMenu({frame, 6, 300, 180, 150, 200, false, true},
                                 {{"电视直播", {"东方卫视", "北京卫视"}}, {"游戏直播", {"手游"}}});
};

TEST_F(SkinLibraryTest, ExportsExactlyItsEighteenFunctionsAndNeedsNoThreadStorage) {
    for (const char* name : kExports) {
        EXPECT_TRUE(GetProcAddress(library.module(), name)) << name;
    }
    const auto* base = reinterpret_cast<const std::uint8_t*>(library.module());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& exportEntry =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + exportEntry.VirtualAddress);
    ASSERT_EQ(exports->NumberOfNames, std::size(kExports));
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        EXPECT_STREQ(reinterpret_cast<const char*>(base + names[i]), kExports[i]);
    }
    EXPECT_EQ(nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_TLS].VirtualAddress, 0u);
}

TEST_F(SkinLibraryTest, TheProgramCarriesTheBuiltLibraryAndAValidSkin) {
    std::ifstream file(NUVRI_SKIN_LIBRARY, std::ios::binary);
    const std::vector<std::uint8_t> built((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    const std::span<const std::uint8_t> carried = skinLibraryImage();
    ASSERT_FALSE(built.empty());
    EXPECT_TRUE(std::equal(built.begin(), built.end(), carried.begin(), carried.end()));
    EXPECT_LT(carried.size(), 200u * 1024u);
    ASSERT_GE(skinData().size(), 4u);
    EXPECT_EQ(std::string(skinData().begin(), skinData().begin() + 4), ".SHE");
    EXPECT_TRUE(parseSkin(skinData()));
}

TEST_F(SkinLibraryTest, AttachColoursEveryControlAndDetachGivesBackTheExactLook) {
    const Look system = look();
    ASSERT_NE(system, skinnedLook()) << "the skin must differ from the system look";

    ASSERT_EQ(library.attachRes(skinData()), 1);
    EXPECT_EQ(look(), skinnedLook());
    saveScreenshot(frame, L"skinned");

    EXPECT_EQ(library.detach(), 1);
    EXPECT_EQ(look(), system);
    saveScreenshot(frame, L"detached");
}

TEST_F(SkinLibraryTest, WindowsCreatedWhileAttachedAreSkinnedAndGivenBackOnDetach) {
    const ListColours systemList = listColours(list);
    const COLORREF systemBackground = pixel(frame, 480, 370);
    ASSERT_EQ(library.attachRes(skinData()), 1);

    HWND laterList = createListView({frame, 7, 180, 170, 100, 60, true, true}, {{"列", 60}});
    HWND laterLabel = createLabel({frame, 8, 10, 320, 100, 20, false, true}, "后来");
    HWND laterFrame = createFrame(600, 0, 200, 100);
    paintNow(laterFrame);
    EXPECT_EQ(listColours(laterList), skinnedLook().list);
    EXPECT_EQ(askColours(frame, laterLabel, WM_CTLCOLORSTATIC), skinnedLook().label);
    EXPECT_EQ(pixel(laterFrame, 100, 50), theme()[SkinColour::windowBack]);

    library.detach();
    paintNow(laterFrame);
    EXPECT_EQ(listColours(laterList), systemList);
    EXPECT_EQ(pixel(laterFrame, 100, 50), systemBackground);
    DestroyWindow(laterFrame);
}

TEST_F(SkinLibraryTest, DamagedSkinsAreRefusedAndChangeNothing) {
    const Look system = look();
    std::vector<std::uint8_t> bytes(skinData().begin(), skinData().end());
    std::vector<std::uint8_t> wrongMagic = bytes;
    wrongMagic[1] = 'X';
    std::vector<std::uint8_t> changed = bytes;
    changed[changed.size() / 2] ^= 0x40;
    const std::vector<std::vector<std::uint8_t>> damaged = {
        {bytes.begin(), bytes.begin() + 10}, {bytes.begin(), bytes.end() - 1}, wrongMagic, changed};
    for (const auto& skin : damaged) {
        EXPECT_EQ(library.attachRes(skin), 0);
    }
    EXPECT_EQ(library.find<AttachRes>("SkinH_AttachRes")(nullptr, 100, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(library.find<AttachRes>("SkinH_AttachRes")(bytes.data(), -1, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(look(), system);

    // A damaged skin offered while another is attached leaves that one alone.
    ASSERT_EQ(library.attachRes(skinData()), 1);
    EXPECT_EQ(library.attachRes(changed), 0);
    EXPECT_EQ(look(), skinnedLook());
}

TEST_F(SkinLibraryTest, AnotherThreadCanNeitherDetachNorReplaceTheSkin) {
    ASSERT_EQ(library.attachRes(skinData()), 1);
    int detached = -1;
    int attached = -1;
    int detachedOne = -1;
    std::thread other([&] {
        detached = library.detach();
        attached = library.attachRes(skinData());
        detachedOne = library.find<WindowFunction>("SkinH_DetachEx")(handleOf(frame));
    });
    other.join();
    EXPECT_EQ(detached, 0);
    EXPECT_EQ(attached, 0);
    EXPECT_EQ(detachedOne, 0);
    EXPECT_EQ(look(), skinnedLook());
}

TEST_F(SkinLibraryTest, AttachExReadsASkinFileNamedByAGbkPath) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"皮肤.she";
    {
        std::ofstream file(path.c_str(), std::ios::binary);
        file.write(reinterpret_cast<const char*>(skinData().data()),
                   static_cast<std::streamsize>(skinData().size()));
    }
    char gbkPath[MAX_PATH * 2] = {};
    WideCharToMultiByte(936, 0, path.c_str(), -1, gbkPath, sizeof gbkPath, nullptr, nullptr);
    auto* attachEx = library.find<AttachEx>("SkinH_AttachEx");

    EXPECT_EQ(attachEx((std::string(gbkPath) + "x").c_str(), nullptr, 0, 0), 0);
    EXPECT_EQ(attachEx(nullptr, nullptr, 0, 0), 0);
    ASSERT_EQ(attachEx(gbkPath, nullptr, 0, 0), 1);
    EXPECT_EQ(look(), skinnedLook());
    DeleteFileW(path.c_str());
}

TEST_F(SkinLibraryTest, PerWindowColoursAndDetachingOneWindow) {
    ASSERT_EQ(library.attachRes(skinData()), 1);
    auto* setBackColor = library.find<ColourFunction>("SkinH_SetBackColor");
    auto* setForeColor = library.find<ColourFunction>("SkinH_SetForeColor");
    EXPECT_EQ(setBackColor(handleOf(label), 200, 40, 10), 1);
    EXPECT_EQ(setForeColor(handleOf(list), 0, 90, 0), 1);
    EXPECT_EQ(setBackColor(handleOf(label), 256, 0, 0), 0);
    EXPECT_EQ(setBackColor(handleOf(GetDesktopWindow()), 1, 2, 3), 0);
    EXPECT_EQ(askColours(frame, label, WM_CTLCOLORSTATIC).brush, RGB(200, 40, 10));
    EXPECT_EQ(ListView_GetTextColor(list), RGB(0, 90, 0));
    EXPECT_EQ(askColours(frame, combo, WM_CTLCOLOREDIT), skinnedLook().combo);

    const Look skinned = look();
    EXPECT_EQ(library.find<WindowFunction>("SkinH_DetachEx")(handleOf(groupBox)), 1);
    EXPECT_EQ(library.find<WindowFunction>("SkinH_DetachEx")(handleOf(groupBox)), 0);
    const Look partly = look();
    EXPECT_EQ(partly.groupFace, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(partly.menuEntries, skinned.menuEntries);
    EXPECT_EQ(partly.frameBackground, skinned.frameBackground);
}

TEST_F(SkinLibraryTest, WindowAlphaLockingMovingAndReadingPixels) {
    ASSERT_EQ(library.attachRes(skinData()), 1);
    auto* setWindowAlpha = library.find<WindowValueFunction>("SkinH_SetWindowAlpha");
    auto* lockUpdate = library.find<WindowValueFunction>("SkinH_LockUpdate");
    auto* setWindowMovable = library.find<WindowValueFunction>("SkinH_SetWindowMovable");
    auto* getColor = library.find<int __stdcall(int, int, int)>("SkinH_GetColor");

    paintNow(frame);
    EXPECT_EQ(static_cast<COLORREF>(getColor(handleOf(frame), 480, 370)),
              theme()[SkinColour::windowBack]);

    const LPARAM inside = MAKELPARAM(480, 370);
    EXPECT_EQ(SendMessageW(frame, WM_NCHITTEST, 0, inside), HTCLIENT);
    EXPECT_EQ(setWindowMovable(handleOf(frame), 1), 1);
    EXPECT_EQ(SendMessageW(frame, WM_NCHITTEST, 0, inside), HTCAPTION);
    EXPECT_EQ(setWindowMovable(handleOf(label), 1), 0);

    EXPECT_EQ(lockUpdate(handleOf(label), 1), 1);
    EXPECT_FALSE(GetWindowLongPtrW(label, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(lockUpdate(handleOf(label), 0), 1);
    EXPECT_TRUE(GetWindowLongPtrW(label, GWL_STYLE) & WS_VISIBLE);

    EXPECT_EQ(setWindowAlpha(handleOf(frame), 300), 1);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(frame, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 255);
    EXPECT_EQ(setWindowAlpha(handleOf(frame), 128), 1);
    GetLayeredWindowAttributes(frame, nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(setWindowAlpha(0, 128), 0);
}

TEST_F(SkinLibraryTest, PopupMenusOpenedWhileAttachedTakeTheMenuAlpha) {
    ASSERT_EQ(library.attachRes(skinData()), 1);
    EXPECT_EQ(library.find<WindowFunction>("SkinH_SetMenuAlpha")(200), 1);
    HWND popup = CreateWindowExW(0, L"#32768", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(popup);
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(popup, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    DestroyWindow(popup);
    library.find<WindowFunction>("SkinH_SetMenuAlpha")(255);
}

}  // namespace
