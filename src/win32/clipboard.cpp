#include "clipboard.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "wide_text.h"

namespace {

// Copies `size` bytes into a new movable global block ending in `terminator`
// zero bytes; the clipboard owns it once SetClipboardData succeeds.
HGLOBAL globalCopy(const void* data, std::size_t size, std::size_t terminator) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + terminator);
    if (!block) {
        return nullptr;
    }
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(block);
    return block;
}

bool setData(UINT format, HGLOBAL block) {
    if (!block) {
        return false;
    }
    if (!SetClipboardData(format, block)) {
        GlobalFree(block);
        return false;
    }
    return true;
}

}  // namespace

bool toClipboard(const Text& text) {
    return toClipboardWide(toWide(text));
}

bool toClipboardWide(const std::wstring& wide) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    const Text text = fromWide(wide);
    const LCID chinese =
        MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
    const bool stored =
        EmptyClipboard() && setData(CF_TEXT, globalCopy(text.data(), text.size(), 1)) &&
        setData(CF_UNICODETEXT, globalCopy(wide.data(), wide.size() * sizeof(wchar_t), 2)) &&
        setData(CF_LOCALE, globalCopy(&chinese, sizeof chinese, 0));
    CloseClipboard();
    return stored;
}
