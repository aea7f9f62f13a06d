// The shortcut files of the install: two desktop shortcuts and the start-menu group.
#pragma once
#include <windows.h>

// path: 260 characters; the special folder with a trailing backslash, or the
// Windows folder when the shell cannot resolve it.
void ResolveSpecialFolder(wchar_t* path, int specialFolderId);

// Writes linkFileName into the (all-users or current user's) desktop folder.
// iconPath, description and arguments may be null. Returns 1 when saved.
int CreateDesktopShortcut(const wchar_t* target, const wchar_t* linkFileName, const wchar_t* iconPath,
                          const wchar_t* description, const wchar_t* arguments, int iconIndex, int allUsers);

// Writes linkFileName into folder, which ends with a backslash. Returns 1 when saved.
int CreateFolderShortcut(const wchar_t* folder, const wchar_t* linkFileName, const wchar_t* target,
                         const wchar_t* arguments, const wchar_t* iconPath, int iconIndex);

// The start-menu group "Pictomaze" for the installation folder (with trailing backslash).
void CreateProgramGroup(const wchar_t* folder, int allUsers);
