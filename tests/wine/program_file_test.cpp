// What Explorer shows of the program file: its version information, read as
// Explorer reads it, and its first icon at every size it carries.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "program_path.h"
#include "win32/program_icon.h"

namespace {

std::wstring widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

class VersionInformation {
  public:
    VersionInformation() {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeW(programPath().c_str(), &ignored);
        block_.resize(size);
        if (size == 0 || !GetFileVersionInfoW(programPath().c_str(), 0, size, block_.data())) {
            block_.clear();
        }
    }

    bool found() const { return !block_.empty(); }

    // The value at `path` in the block; null when there is none.
    const void* value(const std::wstring& path) const {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block_.data(), path.c_str(), &value, &length) || length == 0) {
            return nullptr;
        }
        return value;
    }

    // The string `name` of the first language the block lists.
    std::wstring text(const wchar_t* name) const {
        const auto* language = static_cast<const WORD*>(value(L"\\VarFileInfo\\Translation"));
        if (!language) {
            return L"(no translation)";
        }
        wchar_t path[64];
        swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", language[0], language[1], name);
        const auto* text = static_cast<const wchar_t*>(value(path));
        return text ? text : L"(none)";
    }

  private:
    std::vector<std::uint8_t> block_;
};

// An icon group's entry as the resource holds it.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The program file loaded for its resources only.
class ProgramResources {
  public:
    ProgramResources()
        : module_(LoadLibraryExW(programPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ProgramResources() {
        if (module_) {
            FreeLibrary(module_);
        }
    }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    HMODULE module() const { return module_; }

    std::vector<std::uint8_t> bytes(const wchar_t* name, const wchar_t* type) const {
        HRSRC found = FindResourceW(module_, name, type);
        HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
        const auto* data =
            static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
        return data ? std::vector<std::uint8_t>(data, data + SizeofResource(module_, found))
                    : std::vector<std::uint8_t>();
    }

  private:
    HMODULE module_;
};

BOOL CALLBACK keepFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    *reinterpret_cast<ULONG_PTR*>(found) =
        IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : ~ULONG_PTR{0};
    return FALSE;
}

// The side of an icon made from the group's best match for `side`. The group is
// a copy: the lookup takes writable bytes.
int madeIconSide(const ProgramResources& resources, std::vector<std::uint8_t> group, int side) {
    int id = LookupIconIdFromDirectoryEx(group.data(), TRUE, side, side, LR_DEFAULTCOLOR);
    std::vector<std::uint8_t> image = resources.bytes(MAKEINTRESOURCEW(id), RT_ICON);
    if (image.empty()) {
        return 0;
    }
    HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE,
                                          0x00030000, side, side, LR_DEFAULTCOLOR);
    ICONINFO info = {};
    BITMAP bitmap = {};
    if (icon && GetIconInfo(icon, &info)) {
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    if (icon) {
        DestroyIcon(icon);
    }
    return bitmap.bmWidth == bitmap.bmHeight ? bitmap.bmWidth : -1;
}

}  // namespace

TEST(ProgramFileTest, CarriesTheProjectVersionAndTheProductNamesInChinese) {
    VersionInformation information;
    ASSERT_TRUE(information.found());

    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(information.value(L"\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, widen(NUVRI_VERSION) + L".0");
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const auto* language =
        static_cast<const WORD*>(information.value(L"\\VarFileInfo\\Translation"));
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language[0], 0x0804);  // Chinese (Simplified, PRC)
    EXPECT_EQ(language[1], 1200);    // UTF-16

    EXPECT_EQ(information.text(L"CompanyName"), L"Nuvri");
    EXPECT_EQ(information.text(L"ProductName"), L"Nuvri福利视频播放器");
    EXPECT_EQ(information.text(L"FileDescription"), L"Nuvri福利视频播放器");
    EXPECT_EQ(information.text(L"FileVersion"), widen(NUVRI_VERSION));
    EXPECT_EQ(information.text(L"ProductVersion"), widen(NUVRI_VERSION));
    EXPECT_EQ(information.text(L"OriginalFilename"), L"nuvri.exe");
}

TEST(ProgramFileTest, ItsFirstIconHasEverySizeAndThe256PixelOneIsPng) {
    ProgramResources resources;
    ASSERT_NE(resources.module(), nullptr);

    // Explorer shows the first icon group of the file.
    ULONG_PTR first = 0;
    EnumResourceNamesW(resources.module(), RT_GROUP_ICON, keepFirstName,
                       reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, static_cast<ULONG_PTR>(NUVRI_PROGRAM_ICON));

    std::vector<std::uint8_t> group =
        resources.bytes(MAKEINTRESOURCEW(NUVRI_PROGRAM_ICON), RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u);
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof count);
    ASSERT_EQ(group.size(), 6 + count * sizeof(GroupIconEntry));

    std::vector<int> sides;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        const int side = entry.width == 0 ? 256 : entry.width;
        sides.push_back(side);
        EXPECT_EQ(entry.height, entry.width);
        EXPECT_EQ(entry.bitCount, 32);
        std::vector<std::uint8_t> image = resources.bytes(MAKEINTRESOURCEW(entry.id), RT_ICON);
        ASSERT_EQ(image.size(), entry.bytes) << side;
        const bool png = image.size() > 4 && std::memcmp(image.data(), "\x89PNG", 4) == 0;
        EXPECT_EQ(png, side == 256) << side;
        // Each size is there as itself, and the system can make an icon of it.
        EXPECT_EQ(madeIconSide(resources, group, side), side);
    }
    EXPECT_EQ(sides, (std::vector<int>{16, 24, 32, 48, 256}));
}
