#include "simsun_font.h"

#include <cwchar>

#include "dpi_scale.h"

GdiObject<HFONT> createSimSunFont() {
    LOGFONTW font = {};
    // A negative height asks for the character height, not the cell height.
    font.lfHeight = -scaled(kSimSunPixelHeight);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = FF_DONTCARE;
    std::wcscpy(font.lfFaceName, L"SimSun");
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}
