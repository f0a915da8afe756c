#include "shortcut_keys.h"

ShortcutTable::ShortcutTable(const std::vector<ShortcutKey>& keys, int firstCommand) {
    std::vector<ACCEL> rows;
    for (const ShortcutKey& key : keys) {
        BYTE modifiers = FVIRTKEY;
        modifiers |= key.control ? FCONTROL : 0;
        modifiers |= key.shift ? FSHIFT : 0;
        modifiers |= key.alt ? FALT : 0;
        rows.push_back({modifiers, key.virtualKey,
                        static_cast<WORD>(firstCommand + static_cast<int>(rows.size()))});
    }
    if (!rows.empty()) {
        table_ = CreateAcceleratorTableW(rows.data(), static_cast<int>(rows.size()));
    }
}

ShortcutTable::~ShortcutTable() {
    if (table_) {
        DestroyAcceleratorTable(table_);
    }
}
