#pragma once
// The program's only window, built from its template: every control by name,
// the popup menu, and the window's events.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "control_events.h"
#include "win32/combo_choice.h"
#include "win32/popup_menu.h"
#include "win32/shortcut_keys.h"
#include "win32/top_level_window.h"
#include "window_template.h"

class MainWindow final : public WindowEvents {
  public:
    MainWindow(const WindowTemplate& layout, EventTable events);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates and shows the window with all its controls; false on failure.
    bool create();

    HWND handle() const { return window_; }
    // The control of that template name; null when there is none.
    HWND control(std::string_view name) const;
    // The popup menu of that template name; null when there is none.
    HMENU popupMenu(std::string_view name) const;
    // The window's keyboard shortcuts, for its message loop.
    HACCEL shortcuts() const { return shortcuts_.handle(); }

  private:
    void onCreate(HWND window) override;
    bool onCommand(int id, int code, HWND control) override;
    bool onNotify(const NMHDR& header, LRESULT& result) override;
    void onContextMenu(HWND source, POINT screen) override;
    void onSized() override;
    void onFilesDropped(std::vector<std::wstring> paths) override;
    void onDestroy() override;

    HWND createControl(const ControlTemplate& control, int id);
    // Runs the handler bound to `event` of `source`, if any.
    void raise(const Text& source, ControlEvent event, std::int32_t first = 0,
               std::int32_t second = 0);
    // The template entry of the control with that id; null for other ids.
    const ControlTemplate* controlOf(int id) const;
    HWND parentOf(const ControlTemplate& control) const;

    const WindowTemplate& layout_;
    EventTable events_;
    HWND window_ = nullptr;
    std::vector<HWND> controls_;    // parallel to the template's controls
    std::vector<PopupMenu> menus_;  // parallel to the template's menus
    ComboChoices comboChoices_;
    ShortcutTable shortcuts_;
};
