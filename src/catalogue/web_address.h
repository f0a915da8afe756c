#pragma once
// Telling web addresses from other texts before handing one to the shell,
// which would otherwise start a program named by a local path, run a command
// or open a file.

#include <string_view>

#include "common/value_types.h"

// True for an address of the http or https scheme (any letter case) with
// something after the "//".
bool isWebAddress(std::string_view address);

// True for a web or streaming address that the system's own player or
// browser may be given: http, https, rtmp, rtmps, rtsp or mms (any letter
// case), "://" and a host.
bool isStreamAddress(std::string_view address);

// `address` as it goes to the shell: characters outside ASCII as their
// percent-encoded UTF-8 bytes, and what a handler's command line could take
// apart (blanks, quotes, control characters, < > \ ^ ` { | }) percent-encoded
// too, so that the address stays one argument.
Text addressForSystem(std::string_view address);
