#include "text_dialog.h"

#include <cstdint>
#include <vector>

#include "control_font.h"
#include "wide_text.h"
#include "window_text.h"

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kFieldId = 101;
// The predefined classes of a dialog template's items.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

// A dialog template as the system reads it from memory: 16-bit words, each
// item on a 32-bit boundary.
class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& title, short width, short height, WORD items) {
        const DWORD style =
            DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        addDword(style);
        addDword(0);
        add(items);
        add(0);
        add(0);
        add(static_cast<WORD>(width));
        add(static_cast<WORD>(height));
        add(0);  // no menu
        add(0);  // the system's dialog class
        addText(title);
        add(9);  // points
        addText(L"SimSun");
    }

    void addItem(WORD kind, WORD id, DWORD style, short x, short y, short width, short height,
                 const std::wstring& text) {
        while (words_.size() % 2 != 0) {
            add(0);
        }
        addDword(WS_CHILD | WS_VISIBLE | style);
        addDword(0);
        for (const short value : {x, y, width, height}) {
            add(static_cast<WORD>(value));
        }
        add(id);
        add(0xFFFF);
        add(kind);
        addText(text);
        add(0);  // no creation data
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void add(WORD word) { words_.push_back(word); }
    void addDword(DWORD value) {
        add(LOWORD(value));
        add(HIWORD(value));
    }
    void addText(const std::wstring& text) {
        words_.insert(words_.end(), text.begin(), text.end());
        add(0);
    }

    std::vector<WORD> words_;
};

struct Asking {
    std::wstring text;
    const std::function<bool(const std::wstring&)>* accept;
};

INT_PTR CALLBACK answerDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            const auto* asking = reinterpret_cast<const Asking*>(lParam);
            for (HWND child = GetWindow(dialog, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont()), FALSE);
            }
            HWND field = GetDlgItem(dialog, kFieldId);
            SetWindowTextW(field, asking->text.c_str());
            SendMessageW(field, EM_SETSEL, 0, -1);
            SetFocus(field);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND: {
            auto* asking = reinterpret_cast<Asking*>(GetWindowLongPtrW(dialog, DWLP_USER));
            if (LOWORD(wParam) == IDOK) {
                asking->text = wideWindowText(GetDlgItem(dialog, kFieldId));
                if ((*asking->accept)(asking->text)) {
                    EndDialog(dialog, IDOK);
                } else {
                    // The text refused is selected, so the next one typed
                    // replaces it.
                    HWND field = GetDlgItem(dialog, kFieldId);
                    SetFocus(field);
                    SendMessageW(field, EM_SETSEL, 0, -1);
                }
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<std::wstring> askForText(HWND owner, const Text& title, const Text& prompt,
                                       const std::wstring& initial,
                                       const std::function<bool(const std::wstring&)>& accept) {
    // In dialog units: a prompt line, the field under it, the buttons at
    // the right below.
    DialogTemplate layout(toWide(title), 280, 70, 4);
    layout.addItem(kStaticClass, kPromptId, SS_LEFT, 7, 7, 266, 10, toWide(prompt));
    layout.addItem(kEditClass, kFieldId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 20, 266, 13,
                   L"");
    layout.addItem(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 169, 46, 50, 15,
                   toWide("确定"));
    layout.addItem(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 223, 46, 50, 15,
                   toWide("取消"));
    Asking asking{initial, &accept};
    const INT_PTR closed = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner,
                                                   answerDialog, reinterpret_cast<LPARAM>(&asking));
    if (closed != IDOK) {
        return std::nullopt;
    }
    return asking.text;
}
