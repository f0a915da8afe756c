#include <objbase.h>

#include "common/automation.h"

void enterComApartment() {
    CoInitialize(nullptr);
}

void leaveComApartment() {
    CoUninitialize();
}
