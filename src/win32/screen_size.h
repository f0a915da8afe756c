#pragma once
// The primary screen's size in pixels.

struct ScreenSize {
    int width = 0;
    int height = 0;
};

ScreenSize primaryScreenSize();
