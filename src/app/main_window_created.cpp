#include "main_window_created.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "common/program_state.h"
#include "embedded_skin.h"
#include "main_window_template.h"
#include "named_controls_check.h"
#include "proportional_layout.h"
#include "skin_binding.h"
#include "win32/named_controls.h"
#include "win32/screen_size.h"
#include "window_sizing.h"

namespace {

constexpr std::int32_t kMinimumWidth = 800;
constexpr std::int32_t kMinimumHeight = 444;

std::vector<std::intptr_t> comboBoxes(const WindowTemplate& layout) {
    std::vector<std::intptr_t> handles;
    for (const ControlTemplate& control : layout.controls) {
        if (control.kind == ControlKind::ComboBox) {
            handles.push_back(reinterpret_cast<std::intptr_t>(namedControl(control.name)));
        }
    }
    return handles;
}

}  // namespace

void onMainWindowCreated() {
    requireNamedControls();
    ProgramState* state = programState();
    if (state->skin) {
        state->skin->attachRes(skinData(), std::nullopt);
    }
    const WindowTemplate& layout = mainWindowTemplate();
    const auto window = reinterpret_cast<std::intptr_t>(namedControl(layout.name));
    const ScreenSize screen = primaryScreenSize();
    installSizeLimits(window, kMinimumWidth, kMinimumHeight,
                      static_cast<std::int32_t>(screen.width * 2.0),
                      static_cast<std::int32_t>(screen.height * 2.0));
    registerProportionalLayout(window, comboBoxes(layout));
}
