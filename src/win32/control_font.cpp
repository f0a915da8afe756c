#include "control_font.h"

#include "simsun_font.h"

HFONT controlFont() {
    // Shared by every standard control of the program; deleted at exit.
    static const GdiObject<HFONT> font = createSimSunFont();
    return font.get();
}
