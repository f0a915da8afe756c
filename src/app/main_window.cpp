#include "main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "common/hosts.h"
#include "control_ids.h"
#include "program_shortcuts.h"
#include "win32/browser_view.h"
#include "win32/dpi_scale.h"
#include "win32/dropped_files.h"
#include "win32/group_box.h"
#include "win32/named_controls.h"
#include "win32/named_menus.h"
#include "win32/rollup_menu.h"
#include "win32/standard_controls.h"
#include "win32/transparent_label.h"

namespace {

// The template's lengths are pixels at 96 DPI; the window is built with them
// scaled to the system DPI.
std::vector<ListColumn> listColumns(const ControlTemplate& control) {
    std::vector<ListColumn> columns;
    for (const ColumnTemplate& column : control.columns) {
        columns.push_back({column.caption, scaled(column.width)});
    }
    return columns;
}

std::vector<RollupGroup> rollupGroups(const ControlTemplate& control) {
    std::vector<RollupGroup> groups;
    for (const GroupTemplate& group : control.groups) {
        groups.push_back({group.caption, group.entries});
    }
    return groups;
}

std::vector<ShortcutKey> shortcutKeys() {
    std::vector<ShortcutKey> keys;
    for (const ProgramShortcut& shortcut : kProgramShortcuts) {
        keys.push_back(shortcut.key);
    }
    return keys;
}

}  // namespace

MainWindow::MainWindow(const WindowTemplate& layout, EventTable events)
    : layout_(layout), events_(std::move(events)), shortcuts_(shortcutKeys(), kFirstShortcutId) {}

bool MainWindow::create() {
    window_ =
        createTopLevelWindow(layout_.title, scaled(layout_.width), scaled(layout_.height), *this);
    return window_ != nullptr;
}

HWND MainWindow::control(std::string_view name) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (layout_.controls[i].name == name) {
            return controls_[i];
        }
    }
    return nullptr;
}

HMENU MainWindow::popupMenu(std::string_view name) const {
    for (std::size_t i = 0; i < menus_.size(); ++i) {
        if (layout_.menus[i].name == name) {
            return menus_[i].handle();
        }
    }
    return nullptr;
}

HWND MainWindow::parentOf(const ControlTemplate& control) const {
    HWND parent = this->control(control.parent);
    return parent ? parent : window_;
}

HWND MainWindow::createControl(const ControlTemplate& control, int id) {
    const RECT rect = scaledRect(control.left, control.top, control.width, control.height);
    const ChildPlace place = {parentOf(control),
                              id,
                              rect.left,
                              rect.top,
                              rect.right - rect.left,
                              rect.bottom - rect.top,
                              control.tabStop,
                              !control.disabled};
    switch (control.kind) {
        case ControlKind::GroupBox:
            return createGroupBox(place, control.text);
        case ControlKind::ListView:
            return createListView(place, listColumns(control));
        case ControlKind::ComboBox:
            return createComboBox(place, control.items, control.text);
        case ControlKind::Button:
            return createPushButton(place, control.text);
        case ControlKind::Spin:
            return createSpinControl(place);
        case ControlKind::Label:
            return createLabel(place, control.text);
        case ControlKind::TransparentLabel:
            return createTransparentLabel(place, control.text, control.color.value_or(0));
        case ControlKind::Browser: {
            HWND view = createBrowserView(place);
            // The template's addresses are paths on the notice host, without a scheme.
            setBrowserAddress(view, Text(kNoticeHost) + control.address);
            return view;
        }
        case ControlKind::RollupMenu:
            return createRollupMenu(place, rollupGroups(control));
    }
    return nullptr;
}

void MainWindow::onCreate(HWND window) {
    window_ = window;
    nameControl(layout_.name, window);
    for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
        controls_.push_back(
            createControl(layout_.controls[i], kFirstControlId + static_cast<int>(i)));
        nameControl(layout_.controls[i].name, controls_.back());
    }
    for (const MenuTemplate& menu : layout_.menus) {
        const int firstId = kFirstMenuItemId + 100 * static_cast<int>(menus_.size());
        menus_.emplace_back(menu.items, firstId);
        nameMenu(menu.name, menus_.back().handle());
    }
    raise(layout_.name, ControlEvent::Created);
}

const ControlTemplate* MainWindow::controlOf(int id) const {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(layout_.controls.size())) {
        return nullptr;
    }
    return &layout_.controls[static_cast<std::size_t>(index)];
}

void MainWindow::raise(const Text& source, ControlEvent event, std::int32_t first,
                       std::int32_t second) {
    for (const EventBinding& binding : events_) {
        if (binding.source == source && binding.event == event && binding.handler) {
            binding.handler(first, second);
            return;
        }
    }
}

bool MainWindow::onCommand(int id, int code, HWND control) {
    const int shortcut = id - kFirstShortcutId;
    if (shortcut >= 0 && shortcut < static_cast<int>(std::size(kProgramShortcuts))) {
        raise(kProgramShortcuts[shortcut].name, ControlEvent::ShortcutPressed);
        return true;
    }
    const int menuIndex = (id - kFirstMenuItemId) / 100;
    if (id >= kFirstMenuItemId && menuIndex < static_cast<int>(layout_.menus.size())) {
        raise(layout_.menus[static_cast<std::size_t>(menuIndex)].name,
              ControlEvent::MenuEntryChosen, (id - kFirstMenuItemId) % 100 + 1);
        return true;
    }
    const ControlTemplate* source = controlOf(id);
    if (!source) {
        return false;
    }
    if (source->kind == ControlKind::ComboBox && comboChoices_.acts(control, code)) {
        raise(source->name, ControlEvent::ItemSelected);
    } else if (source->kind == ControlKind::Button && code == BN_CLICKED) {
        raise(source->name, ControlEvent::Clicked);
    } else if (source->kind == ControlKind::TransparentLabel && code == kLabelPressed) {
        raise(source->name, ControlEvent::LeftButtonPressed);
    }
    return true;
}

bool MainWindow::onNotify(const NMHDR& header, LRESULT& result) {
    const ControlTemplate* source = controlOf(static_cast<int>(header.idFrom));
    if (!source) {
        return false;
    }
    result = 0;
    if (source->kind == ControlKind::RollupMenu && header.code == kRollupEntryClicked) {
        const auto& clicked = reinterpret_cast<const RollupEntryClicked&>(header);
        raise(source->name, ControlEvent::EntryClicked, clicked.group, clicked.entry);
        return true;
    }
    if (source->kind == ControlKind::ListView && header.code == NM_DBLCLK) {
        raise(source->name, ControlEvent::DoubleClick);
        return true;
    }
    if (source->kind == ControlKind::ListView && header.code == NM_RCLICK) {
        raise(source->name, ControlEvent::RightClick);
        return true;
    }
    if (source->kind == ControlKind::ListView && header.code == NM_RETURN) {
        raise(source->name, ControlEvent::EnterPressed);
        return true;
    }
    return false;
}

void MainWindow::onContextMenu(HWND source, POINT screen) {
    const auto found = std::find(controls_.begin(), controls_.end(), source);
    if (found == controls_.end()) {
        return;
    }
    const ControlTemplate& control =
        layout_.controls[static_cast<std::size_t>(found - controls_.begin())];
    if (control.kind == ControlKind::ListView) {
        raise(control.name, ControlEvent::ContextMenu, screen.x, screen.y);
    }
}

void MainWindow::onSized() {
    raise(layout_.name, ControlEvent::Resized);
}

void MainWindow::onFilesDropped(std::vector<std::wstring> paths) {
    const auto count = static_cast<std::int32_t>(paths.size());
    const DropInHand drop(std::move(paths));
    raise(layout_.name, ControlEvent::FilesDropped, count);
}

void MainWindow::onDestroy() {
    forgetNamedControls();
    forgetNamedMenus();
    menus_.clear();
}
