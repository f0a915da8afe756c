#pragma once
// The program's top-level window: a frame whose events go to an owner object,
// and the message loop that runs it with its keyboard shortcuts and Tab
// navigation between controls.

#include <windows.h>

#include <string>
#include <vector>

#include "common/value_types.h"

// What the owner of a top-level window answers. Handlers run on the GUI
// thread inside the window procedure; none may throw.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    // The window exists but is not shown yet: create the controls here.
    virtual void onCreate(HWND window) = 0;
    // WM_COMMAND from a control or a menu; true when handled.
    virtual bool onCommand(int id, int code, HWND control) = 0;
    // WM_NOTIFY; true when handled, with the message's result in `result`.
    virtual bool onNotify(const NMHDR& header, LRESULT& result) = 0;
    // WM_CONTEXTMENU: the user asked for the context menu of `source` (a
    // control, or the window itself) with a right click at `screen`, or from
    // the keyboard (Shift+F10, the menu key), when `screen` is -1, -1.
    virtual void onContextMenu(HWND source, POINT screen) = 0;
    // WM_SIZE: the window's client area has a new size.
    virtual void onSized() = 0;
    // WM_DROPFILES: files were dropped on the window (dropped_files.h).
    virtual void onFilesDropped(std::vector<std::wstring> paths) = 0;
    // The window is being destroyed; the message loop ends after it.
    virtual void onDestroy() = 0;
};

// Creates a resizable frame with title bar, system menu, minimise and maximise
// buttons, `width` x `height` pixels centred on the primary screen, lets
// `events` create its content, then shows it. A frame larger than the work
// area gets its content at the size asked and is then shrunk into the work
// area and centred there. It takes files dropped on it. Null when it cannot be
// created.
HWND createTopLevelWindow(const Text& title, int width, int height, WindowEvents& events);

// Pumps messages until a quit message arrives, each first through
// takeWindowKeys. Returns the quit message's code.
int runMessageLoop(HWND window, HACCEL shortcuts);

// What the message loop does with a message before dispatching it: a key of
// `shortcuts` (may be null) pressed anywhere in `window` becomes its command,
// then Tab and the arrow keys move between the controls of `window`. True
// when either took the message, which is then not to be dispatched.
bool takeWindowKeys(HWND window, HACCEL shortcuts, MSG& message);
