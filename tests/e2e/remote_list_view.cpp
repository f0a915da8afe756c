#include "remote_list_view.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

// The one block in the program's memory: an item structure and a text buffer
// after it. The probe is of the program's build, 32-bit or 64-bit, so the
// structure's layout is shared.
constexpr SIZE_T kTextOffset = 128;
constexpr int kTextChars = 4096;
constexpr SIZE_T kBufferSize = kTextOffset + kTextChars * sizeof(wchar_t);
static_assert(sizeof(LVITEMW) <= kTextOffset);

}  // namespace

RemoteListView::RemoteListView(HWND list, HANDLE process)
    : list_(list),
      process_(process),
      buffer_(VirtualAllocEx(process, nullptr, kBufferSize, MEM_COMMIT | MEM_RESERVE,
                             PAGE_READWRITE)) {}

RemoteListView::~RemoteListView() {
    if (buffer_) {
        VirtualFreeEx(process_, buffer_, 0, MEM_RELEASE);
    }
}

int RemoteListView::rowCount() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

int RemoteListView::selectedRow() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}

int RemoteListView::topRow() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
}

int RemoteListView::rowsPerPage() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));
}

std::wstring RemoteListView::cellText(int row, int column) const {
    if (!buffer_) {
        return {};
    }
    auto* remoteText = static_cast<wchar_t*>(buffer_) + kTextOffset / sizeof(wchar_t);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iSubItem = column;
    item.pszText = remoteText;
    item.cchTextMax = kTextChars;
    const wchar_t nothing = 0;
    if (!WriteProcessMemory(process_, buffer_, &item, sizeof item, nullptr) ||
        !WriteProcessMemory(process_, remoteText, &nothing, sizeof nothing, nullptr)) {
        return {};
    }
    const auto length = static_cast<SIZE_T>(SendMessageW(
        list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer_)));
    std::vector<wchar_t> text(std::min<SIZE_T>(length, kTextChars - 1) + 1, 0);
    if (!ReadProcessMemory(process_, remoteText, text.data(), (text.size() - 1) * sizeof(wchar_t),
                           nullptr)) {
        return {};
    }
    return std::wstring(text.data());
}

RECT RemoteListView::rowRect(int row) const {
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    if (!buffer_ || !WriteProcessMemory(process_, buffer_, &rect, sizeof rect, nullptr) ||
        !SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(buffer_)) ||
        !ReadProcessMemory(process_, buffer_, &rect, sizeof rect, nullptr)) {
        return {};
    }
    MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
