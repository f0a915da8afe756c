#include "skin_brushes.h"

namespace {

// A skin has a score of colours; SkinH_SetBackColor adds a few more.
constexpr int kMostBrushes = 64;

struct CachedBrush {
    COLORREF colour;
    HBRUSH brush;
};

CachedBrush brushes[kMostBrushes] = {};
int brushCount = 0;

}  // namespace

// Null once the cache is full: the control then uses its own background.
HBRUSH skinBrush(COLORREF colour) {
    for (int i = 0; i < brushCount; ++i) {
        if (brushes[i].colour == colour) {
            return brushes[i].brush;
        }
    }
    if (brushCount == kMostBrushes) {
        return nullptr;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush) {
        brushes[brushCount++] = {colour, brush};
    }
    return brush;
}

void releaseSkinBrushes() {
    for (int i = 0; i < brushCount; ++i) {
        DeleteObject(brushes[i].brush);
    }
    brushCount = 0;
}
