#include "fatal_error.h"

#include <cstdlib>
#include <string>

#include "end_procedures.h"

namespace {
constexpr char kLineBreak[] = "\r\n";
}

Text fatalErrorText(std::optional<int> number, const Text& message) {
    Text text = "运行时出错!";
    text += kLineBreak;
    text += kLineBreak;
    if (number) {
        text += "错误代码：";
        text += std::to_string(*number);
        text += kLineBreak;
        text += kLineBreak;
    }
    if (!message.empty()) {
        text += "错误信息：";
        text += message;
        text += kLineBreak;
    }
    return text;
}

void raiseFatalError(std::optional<int> number, const Text& message) {
    showFatalErrorBox(fatalErrorText(number, message));
    runEndProcedures();
    std::exit(-1);
}
