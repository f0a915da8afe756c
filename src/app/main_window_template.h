#pragma once
// The main window's template, read once from the data compiled into the
// program. Missing or damaged data is a fatal error: "载入窗口模板数据段出错!".

#include "window_template.h"

const WindowTemplate& mainWindowTemplate();

// The same for the template data resource `resourceName`.
WindowTemplate loadWindowTemplate(const wchar_t* resourceName);
