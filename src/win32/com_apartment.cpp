#include <objbase.h>

#include "common/com_apartment.h"

void enterComApartment() {
    CoInitialize(nullptr);
}

void leaveComApartment() {
    CoUninitialize();
}
