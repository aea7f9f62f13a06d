#include "app/StartUp.h"

#include "framework/Handles.h"
#include "install/InstallOptions.h"
#include "install/PathOperations.h"

BOOL RestrictDllSearchPath(DWORD flags)
{
    wchar_t path[kPathChars];
    if (!BuildSystemFilePath(L"kernel32.dll", path)) return 0;
    HMODULE kernel = GetModuleHandleW(path);
    if (!kernel) return 0;
    using SetDirsFn = BOOL(WINAPI*)(DWORD);
    auto setDirs = GetProc<SetDirsFn>(kernel, "SetDefaultDllDirectories");
    return setDirs ? setDirs(flags) : 0;
}

void EnableVisualStyles()
{
    // The library stays loaded for the rest of the process once it was found.
    static HMODULE uxTheme = nullptr;
    using SetPropsFn = void(WINAPI*)(DWORD);
    static SetPropsFn setProperties = nullptr;

    if (!uxTheme) {
        wchar_t path[kPathChars];
        if (!BuildSystemFilePath(L"UxTheme.dll", path)) return;
        uxTheme = LoadLibraryW(path);
        if (!uxTheme) return;
        setProperties = GetProc<SetPropsFn>(uxTheme, "SetThemeAppProperties");
    }
    // 3: non-client areas and controls themed
    if (setProperties) setProperties(3);;
}
