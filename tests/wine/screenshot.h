#pragma once
// Screenshots for looking at what a test showed: a window's pixels as they
// are on the screen, saved as PNG under the build tree, and kept for the test
// to check what was drawn.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Saves the on-screen pixels of `window` (frame included) to
// "screenshots\<name>.png" beside the test program; true when written.
bool saveScreenshot(HWND window, const std::wstring& name);

// Saves the window as it draws itself when asked to print (WM_PRINT), for
// windows that the screen's pixels do not show, such as popup menus.
bool savePrintedWindow(HWND window, const std::wstring& name);

// The on-screen pixels of a window (frame included) at the moment it was
// taken, saved as saveScreenshot saves them.
class Screenshot {
  public:
    Screenshot(HWND window, const std::wstring& name);

    // Whether the PNG was written.
    bool saved() const { return saved_; }
    // The colour at `point` of `window`'s client area, `window` being the
    // one taken or one inside it; CLR_INVALID outside the picture.
    COLORREF at(HWND window, POINT point) const;
    // How many pixels of `area`, in `window`'s client coordinates, `match`.
    int count(HWND window, RECT area, const std::function<bool(COLORREF)>& match) const;
    // The pixels of `area`, in `window`'s client coordinates, row by row.
    std::vector<COLORREF> pixels(HWND window, RECT area) const;

  private:
    POINT origin_ = {};  // the picture's top left on the screen
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
    bool saved_ = false;
};

// Whether `pixel` shows text or lines drawn in `ink`: for a coloured ink, the
// same channels stand out above the pixel's grey as in `ink` (so blends of
// the ink with a grey background count, other hues do not); for a grey ink
// (black), a dark grey.
bool showsInk(COLORREF pixel, COLORREF ink);
