#include "main_window.h"

#include <algorithm>

#include "common/hosts.h"
#include "win32/browser_view.h"
#include "win32/group_box.h"
#include "win32/popup_menu.h"
#include "win32/rollup_menu.h"
#include "win32/standard_controls.h"
#include "win32/transparent_label.h"

namespace {

// Controls are numbered from here in template order; the items of popup
// menu m from kFirstMenuItemId + 100 * m.
constexpr int kFirstControlId = 1000;
constexpr int kFirstMenuItemId = 3000;

std::vector<ListColumn> listColumns(const ControlTemplate& control) {
    std::vector<ListColumn> columns;
    for (const ColumnTemplate& column : control.columns) {
        columns.push_back({column.caption, column.width});
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

}  // namespace

bool MainWindow::create() {
    window_ = createTopLevelWindow(layout_.title, layout_.width, layout_.height, *this);
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
            return menus_[i];
        }
    }
    return nullptr;
}

HWND MainWindow::parentOf(const ControlTemplate& control) const {
    HWND parent = this->control(control.parent);
    return parent ? parent : window_;
}

HWND MainWindow::createControl(const ControlTemplate& control, int id) {
    const ChildPlace place = {parentOf(control), id,
                              control.left,      control.top,
                              control.width,     control.height,
                              control.tabStop,   !control.disabled};
    switch (control.kind) {
        case ControlKind::GroupBox:
            return createGroupBox(place.parent, id, control.left, control.top, control.width,
                                  control.height, control.text);
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
            return createTransparentLabel(place.parent, id, control.left, control.top,
                                          control.width, control.height, control.text,
                                          control.color.value_or(0));
        case ControlKind::Browser: {
            HWND view =
                createBrowserView(place.parent, id, control.left, control.top, control.width,
                                  control.height, !control.disabled, control.tabStop);
            // The template's addresses are paths on the notice host, without a scheme.
            setBrowserAddress(view, Text(kNoticeHost) + control.address);
            return view;
        }
        case ControlKind::RollupMenu:
            return createRollupMenu(place.parent, id, control.left, control.top, control.width,
                                    control.height, control.tabStop, rollupGroups(control));
    }
    return nullptr;
}

void MainWindow::onCreate(HWND window) {
    window_ = window;
    for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
        controls_.push_back(
            createControl(layout_.controls[i], kFirstControlId + static_cast<int>(i)));
    }
    for (const MenuTemplate& menu : layout_.menus) {
        const int firstId = kFirstMenuItemId + 100 * static_cast<int>(menus_.size());
        menus_.push_back(createPopupMenu(menu.items, firstId));
    }
}

bool MainWindow::onCommand(int, int, HWND) {
    return false;
}

bool MainWindow::onNotify(const NMHDR&, LRESULT&) {
    return false;
}

void MainWindow::onDestroy() {
    for (HMENU menu : menus_) {
        destroyPopupMenu(menu);
    }
    menus_.clear();
}
