// Read-only questions about the machine and an earlier installation.
#pragma once
#include <windows.h>

// out: at least 260 characters. Folder with a trailing backslash, or empty.
int FindEarlierInstallation(wchar_t* out);
// out: at least 260 characters. Always returns 1.
int GetDefaultTargetFolder(wchar_t* out);
// version: 260 characters; company may be null.
int ReadVersionRecord(const wchar_t* path, wchar_t* version, wchar_t* company, int companyCapacity);
LONG GetFileLength(const wchar_t* path);
int IsVistaOrLater();
int IsWindows8OrLater();

// The reported Windows version (size field set, platform, major, minor).
OSVERSIONINFOW QueryWindowsVersion();
