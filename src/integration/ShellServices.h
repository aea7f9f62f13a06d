// The shell and COM functions the integration calls, loaded from the system
// folder on first use so that the program starts without those libraries.
#pragma once
#include <windows.h>
#include <shlobj.h>

struct ShellFunctions {
    // shell32.dll
    HRESULT(WINAPI* getSpecialFolderLocation)(HWND, int, PIDLIST_ABSOLUTE*) = nullptr;
    BOOL(WINAPI* getPathFromIDList)(PCIDLIST_ABSOLUTE, LPWSTR) = nullptr;
    void(WINAPI* changeNotify)(LONG, UINT, LPCVOID, LPCVOID) = nullptr;
    // ole32.dll
    HRESULT(WINAPI* coInitialize)(LPVOID) = nullptr;
    void(WINAPI* coUninitialize)() = nullptr;
    HRESULT(WINAPI* coCreateInstance)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*) = nullptr;
    void(WINAPI* coTaskMemFree)(LPVOID) = nullptr;
};

// Loaded once; the libraries stay loaded for the rest of the process. A
// function that cannot be found is null and its caller skips the step.
const ShellFunctions& GetShellFunctions();

// Bounded formatting: false, and an empty destination, when the text does not fit.
bool FormatText(wchar_t* dest, size_t capacity, const wchar_t* format, ...);
