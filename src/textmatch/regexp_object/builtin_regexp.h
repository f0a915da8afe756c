#pragma once
// A regular-expression object built into the program, for systems where the
// scripting object "VBScript.RegExp" cannot be created. It answers the same
// members the same way: properties Pattern, IgnoreCase, Global and Multiline,
// methods Execute, Replace and Test. A pattern the engine refuses makes the
// three methods refuse, as the system object's calls fail.

#include "common/automation.h"

ObjectRef createBuiltinRegExp();
