#pragma once
// The folder of the program's files in the user's roaming application data:
// %APPDATA%\Nuvri, from the APPDATA environment variable, else the folder the
// system names (FOLDERID_RoamingAppData). Paths stay wide: a user's folder may
// hold characters GBK lacks.

#include <string>
#include <string_view>

// The folder; empty when the system names no application-data folder.
std::wstring userFolder();

// Makes the folder when it is missing; false when it is not there afterwards.
bool makeUserFolder();

// The path of file `name` (ASCII) in the folder; empty without a folder.
std::wstring userFilePath(std::string_view name);
