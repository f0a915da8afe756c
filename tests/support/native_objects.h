#pragma once
// The host's table of automation classes: tests register scripted classes
// under a ProgID; createObject finds nothing else.

#include <functional>
#include <string>

#include "common/automation.h"

void registerObjectClass(const std::string& progId, std::function<ObjectRef()> factory);
void clearObjectClasses();

// Apartments entered and not yet left on this host.
int comApartmentDepth();
