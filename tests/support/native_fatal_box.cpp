// The fatal error box on the host: the box text goes to standard error.
#include <cstdio>

#include "common/fatal_error.h"

void showFatalErrorBox(const Text& boxText) {
    std::fwrite(boxText.data(), 1, boxText.size(), stderr);
    std::fflush(stderr);
}
