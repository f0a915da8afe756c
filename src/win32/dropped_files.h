#pragma once
// Files dropped on the program's window from the desktop or a file manager.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

// Takes the paths out of a drop, in the order given, and releases it.
std::vector<std::wstring> takeDroppedFiles(HDROP drop);

// The paths of the drop being handled now; empty outside the handling of one.
const std::vector<std::wstring>& droppedFiles();

// Holds `paths` as the drop being handled for as long as it lives.
class DropInHand {
  public:
    explicit DropInHand(std::vector<std::wstring> paths);
    ~DropInHand();
    DropInHand(const DropInHand&) = delete;
    DropInHand& operator=(const DropInHand&) = delete;
};
