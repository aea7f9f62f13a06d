// The viewer's settings file "p_maze32.ini".
#pragma once
#include "install/InstallOptions.h"

// Writes location, INI folder pointer, language and toolbar skin. finalFile
// (260 characters) receives the path of the file that holds the settings.
void WriteSettingsFile(InstallOptions& options, wchar_t* finalFile);
// Turns an 8-bit settings file into UTF-16 with byte-order mark and header.
int ConvertSettingsToUnicode(const wchar_t* path);
