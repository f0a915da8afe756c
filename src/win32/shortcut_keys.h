#pragma once
// Keyboard shortcuts of a window: keys held with Ctrl, Shift or Alt, which the
// message loop turns into WM_COMMAND messages of the window before anything
// else sees them, wherever the focus is in the window.

#include <windows.h>

#include <vector>

struct ShortcutKey {
    WORD virtualKey;  // 'A'..'Z', '0'..'9', VK_F1, ...
    bool control = false;
    bool shift = false;
    bool alt = false;
};

// A table of shortcuts: the key of row i sends WM_COMMAND with command id
// firstCommand + i (and 1 as notification code, as every accelerator does).
class ShortcutTable {
  public:
    ShortcutTable(const std::vector<ShortcutKey>& keys, int firstCommand);
    ~ShortcutTable();
    ShortcutTable(const ShortcutTable&) = delete;
    ShortcutTable& operator=(const ShortcutTable&) = delete;

    // Null when the table could not be made, as for no keys.
    HACCEL handle() const { return table_; }

  private:
    HACCEL table_ = nullptr;
};
