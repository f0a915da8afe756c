#include "program_path.h"

#include "build_path.h"

std::wstring programPath() {
    return buildFilePath(NUVRI_PROGRAM);
}
