#include "message_box.h"

#include <string>

#include "process_setup.h"
#include "wide_text.h"

namespace {

std::wstring programName() {
    std::wstring name = programFilePath();
    name.erase(0, name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

int buttonOf(int commandId) {
    switch (commandId) {
        case IDOK:
            return kButtonOk;
        case IDCANCEL:
            return kButtonCancel;
        case IDABORT:
            return kButtonAbort;
        case IDRETRY:
            return kButtonRetry;
        case IDIGNORE:
            return kButtonIgnore;
        case IDYES:
            return kButtonYes;
        case IDNO:
            return kButtonNo;
        default:
            return -1;
    }
}

}  // namespace

int messageBox(const Text& content, unsigned flags, const std::optional<Text>& caption,
               HWND owner) {
    return messageBoxWide(toWide(content), flags, caption, owner);
}

int messageBoxWide(const std::wstring& content, unsigned flags, const std::optional<Text>& caption,
                   HWND owner) {
    const std::wstring title = caption ? toWide(*caption) : programName();
    return buttonOf(MessageBoxW(owner, content.c_str(), title.c_str(), flags));
}
