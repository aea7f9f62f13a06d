#include "integration/ShellServices.h"

#include <cstdarg>
#include <strsafe.h>

#include "framework/Handles.h"
#include "install/PathOperations.h"

namespace {

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    wchar_t path[260];
    if (!BuildSystemFilePath(name, path)) return nullptr;
    return LoadLibraryW(path);
}

ShellFunctions LoadShellFunctions()
{
    ShellFunctions f;
    if (HMODULE shell = LoadSystemLibrary(L"shell32.dll")) {
        f.getSpecialFolderLocation =
            GetProc<decltype(f.getSpecialFolderLocation)>(shell, "SHGetSpecialFolderLocation");
        f.getPathFromIDList = GetProc<decltype(f.getPathFromIDList)>(shell, "SHGetPathFromIDListW");
        f.changeNotify = GetProc<decltype(f.changeNotify)>(shell, "SHChangeNotify");
    }
    if (HMODULE ole = LoadSystemLibrary(L"ole32.dll")) {
        f.coInitialize = GetProc<decltype(f.coInitialize)>(ole, "CoInitialize");
        f.coUninitialize = GetProc<decltype(f.coUninitialize)>(ole, "CoUninitialize");
        f.coCreateInstance = GetProc<decltype(f.coCreateInstance)>(ole, "CoCreateInstance");
        f.coTaskMemFree = GetProc<decltype(f.coTaskMemFree)>(ole, "CoTaskMemFree");
    }
    return f;
}

}  // namespace

const ShellFunctions& GetShellFunctions()
{
    static const ShellFunctions functions = LoadShellFunctions();
    return functions;
}

bool FormatText(wchar_t* dest, size_t capacity, const wchar_t* format, ...)
{
    if (capacity == 0) return false;
    va_list args;
    va_start(args, format);
    HRESULT hr = StringCchVPrintfW(dest, capacity, format, args);
    va_end(args);
    if (FAILED(hr)) {
        dest[0] = L'\0';
        return false;
    }
    return true;
}
