#pragma once
// The main window's template: the window and every control with its name,
// kind, parent, geometry, texts and items, as read from the template data
// compiled into the program.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "common/value_types.h"

enum class ControlKind {
    GroupBox,
    ListView,
    ComboBox,
    Button,
    Spin,
    Label,
    TransparentLabel,
    Browser,
    RollupMenu,
};

struct ColumnTemplate {
    Text caption;
    int width = 0;
};

struct GroupTemplate {
    Text caption;
    std::vector<Text> entries;
};

struct ControlTemplate {
    Text name;
    ControlKind kind = ControlKind::Label;
    Text parent;  // the window's name or an earlier group box's
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Text text;
    std::optional<std::uint32_t> color;  // 0x00BBGGRR
    Text address;
    bool tabStop = false;
    bool disabled = false;
    std::vector<ColumnTemplate> columns;  // list views
    std::vector<Text> items;              // combo boxes
    std::vector<GroupTemplate> groups;    // roll-up menus
};

struct MenuTemplate {
    Text name;
    Text caption;
    std::vector<Text> items;
};

struct WindowTemplate {
    Text name;
    Text title;
    int width = 0;
    int height = 0;
    std::vector<ControlTemplate> controls;  // in creation and tab order
    std::vector<MenuTemplate> menus;

    const ControlTemplate* control(std::string_view controlName) const;
};

// Reads template data (UTF-8 text; texts come out as GBK). Anything missing,
// unknown or inconsistent makes the whole template invalid: nullopt.
std::optional<WindowTemplate> parseWindowTemplate(std::string_view data);
