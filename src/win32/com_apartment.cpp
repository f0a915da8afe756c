#include "common/com_apartment.h"

#include <objbase.h>

void enterComApartment() {
    CoInitialize(nullptr);
}

void leaveComApartment() {
    CoUninitialize();
}
