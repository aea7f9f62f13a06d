// The viewer's settings file "p_maze32.ini".
#pragma once
#include "install/InstallOptions.h"

// Writes location, INI folder pointer, language and toolbar skin. finalFile
// (260 characters) receives the path of the file that holds the settings.
void WriteSettingsFile(InstallOptions& options, wchar_t* finalFile);
// Turns an 8-bit settings file into UTF-16 with byte-order mark and header.
int ConvertSettingsToUnicode(const wchar_t* path);

struct ToolbarSkin {
    const wchar_t* skin;
    const wchar_t* size;
};
// The skin that suits a screen: height of a full-screen client area and
// horizontal scale in percent (96 dpi = 100).
ToolbarSkin ChooseToolbarSkin(int fullScreenHeight, int scale);

// Expands %NAME% references of an INI folder into out (520 characters).
// False when the result, as a folder holding "p_maze32.ini", would not fit a
// path of 259 characters, or is empty.
bool ExpandIniFolder(const wchar_t* iniFolder, wchar_t* out);
