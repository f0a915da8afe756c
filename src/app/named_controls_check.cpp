#include "named_controls_check.h"

#include "common/fatal_error.h"
#include "common/program_controls.h"
#include "win32/named_controls.h"
#include "win32/named_menus.h"

namespace {

[[noreturn]] void raiseMissing(const char* name) {
    raiseFatalError(std::nullopt, Text("找不到窗口组件“") + name + "”!");
}

}  // namespace

void requireNamedControls() {
    for (const char* name : kNamedWindows) {
        if (!namedControl(name)) {
            raiseMissing(name);
        }
    }
    if (!namedMenu(kDownloadMenu)) {
        raiseMissing(kDownloadMenu);
    }
}
