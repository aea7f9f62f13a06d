// The record of choices handed to RunInstall, filled by the command line or the wizard.
#pragma once
#include <windows.h>
#include "integration/FileTypeCatalogue.h"

constexpr int kPathChars = 260;     // path buffers, terminator included
constexpr int kLongPathChars = 520; // working copies

// Window title of the wizard and caption of every message box of the setup.
constexpr const wchar_t* kSetupTitle = L"Pictomaze 32-bit Setup";
// Class of the viewer's main window: while one exists, the viewer is running.
constexpr const wchar_t* kViewerWindowClass = L"Pictomaze";
// The recommended folder of the viewer's settings, in the user's application data.
constexpr const wchar_t* kAppDataIniFolder = L"%APPDATA%\\Pictomaze";

struct InstallOptions {
    wchar_t targetFolder[kPathChars] = {};  // may lack the backslash, may carry blanks
    int programGroup = 0;
    int desktopShortcut = 0;
    int thumbnailsShortcut = 0;
    int allUsers = 0;
    wchar_t iniFolder[kPathChars] = {};     // may hold %NAME% references; empty = target folder
    AssociationSelection selection;
    int associateAllUsers = 0;
    int anySelected = 0;
    bool silent = false;
    wchar_t caption[kPathChars] = {};
};
