// The fatal error box: no owner, OK button, shown before the process ends.
#include "common/fatal_error.h"
#include "message_box.h"

void showFatalErrorBox(const Text& boxText) {
    messageBox(boxText, MB_OK);
}
