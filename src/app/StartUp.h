// Process preparation before either run mode.
#pragma once
#include <windows.h>

// Calls SetDefaultDllDirectories from the system's kernel32.dll; 0 when it is missing.
BOOL RestrictDllSearchPath(DWORD flags);
// Themes non-client areas and controls when UxTheme.dll is there.
void EnableVisualStyles();
