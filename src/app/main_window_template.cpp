#include "main_window_template.h"

#include "common/fatal_error.h"
#include "win32/program_resource.h"

WindowTemplate loadWindowTemplate(const wchar_t* resourceName) {
    const auto data = programResource(resourceName);
    auto parsed = data ? parseWindowTemplate(*data) : std::nullopt;
    if (!parsed) {
        raiseFatalError(std::nullopt, "载入窗口模板数据段出错!");
    }
    return std::move(*parsed);
}

const WindowTemplate& mainWindowTemplate() {
    static const WindowTemplate layout = loadWindowTemplate(L"MAIN_WINDOW_TEMPLATE");
    return layout;
}
