#include "open_file_dialog.h"

#include <commdlg.h>

#include "wide_text.h"

std::optional<std::wstring> chooseFileToOpen(HWND owner, const Text& title,
                                             const std::vector<FileKind>& kinds) {
    // Each kind is its name and its patterns, every text ended by a zero, and
    // the list by one more.
    std::wstring filter;
    for (const FileKind& kind : kinds) {
        filter += toWide(kind.name) + L" (" + kind.patterns + L")";
        filter.push_back(L'\0');
        filter += kind.patterns;
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    const std::wstring caption = toWide(title);
    // Room for a long path, as the dialog allows one.
    std::wstring path(32768, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = caption.c_str();
    // The program's folder stays the current one: the dialog would otherwise
    // leave the folder it showed last.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    path.resize(path.find(L'\0'));
    return path;
}
