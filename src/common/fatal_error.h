#pragma once
// Fatal runtime errors: a message box, then the end procedures, then exit -1.

#include <optional>

#include "value_types.h"

// The numbered errors the program's own logic raises.
inline constexpr int kErrorIndexAboveCount = 1;
inline constexpr int kErrorIndexBelowOne = 4;
inline constexpr int kErrorStackUnbalanced = 6;

// The box text: "运行时出错!" and two line breaks, then the number part when
// there is a number, then the message part when there is a message.
Text fatalErrorText(std::optional<int> number, const Text& message);

// Shows the box (no owner, OK button), runs the registered end procedures and
// ends the process with exit code -1. Never returns.
[[noreturn]] void raiseFatalError(std::optional<int> number, const Text& message);

// Platform edge: shows the fatal error box and returns when it is dismissed.
void showFatalErrorBox(const Text& boxText);
