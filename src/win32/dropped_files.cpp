#include "dropped_files.h"

#include <shellapi.h>

#include <utility>

namespace {

std::vector<std::wstring>& dropInHand() {
    static std::vector<std::wstring> paths;
    return paths;
}

}  // namespace

std::vector<std::wstring> takeDroppedFiles(HDROP drop) {
    std::vector<std::wstring> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        if (!path.empty()) {
            paths.push_back(std::move(path));
        }
    }
    DragFinish(drop);
    return paths;
}

const std::vector<std::wstring>& droppedFiles() {
    return dropInHand();
}

DropInHand::DropInHand(std::vector<std::wstring> paths) {
    dropInHand() = std::move(paths);
}

DropInHand::~DropInHand() {
    dropInHand().clear();
}
