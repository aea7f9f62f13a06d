#include "app/Probes.h"

#include <cwchar>
#include <vector>

#include "framework/Handles.h"
#include "install/InstallOptions.h"
#include "install/PathOperations.h"

namespace {

constexpr const wchar_t* kOpenCommandKey = L"SOFTWARE\\Classes\\Pictomaze\\shell\\open\\command";
constexpr const wchar_t* kCurrentVersionKey = L"Software\\Microsoft\\Windows\\CurrentVersion";
constexpr const wchar_t* kViewerExe = L"p_maze32.exe";

// Reads a value into a 260-byte buffer; false when it is missing or does not fit.
bool ReadSmallValue(const wchar_t* keyPath, const wchar_t* valueName, wchar_t (&text)[130])
{
    UniqueHKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        return false;
    }
    wchar_t buffer[131] = {};  // one spare terminator for values stored without one
    DWORD bytes = sizeof(text);
    if (RegQueryValueExW(key.get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &bytes) !=
        ERROR_SUCCESS) {
        return false;
    }
    buffer[129] = L'\0';
    wcscpy(text, buffer);
    return true;
}

}  // namespace

int FindEarlierInstallation(wchar_t* out)
{
    out[0] = L'\0';
    wchar_t command[130] = {};
    if (!ReadSmallValue(kOpenCommandKey, nullptr, command)) return 0;
    if (command[0] == L'\0' || !wcsstr(command, kViewerExe)) return 0;

    // The command is the quoted executable path; an unquoted one is read from
    // its first character up to the end of the executable's name.
    wchar_t path[130] = {};
    if (command[0] == L'"') {
        const wchar_t* start = command + 1;
        const wchar_t* end = wcschr(start, L'"');
        size_t n = end ? static_cast<size_t>(end - start) : wcslen(start);
        wcsncpy(path, start, n);
        path[n] = L'\0';
    } else {
        const wchar_t* end = wcsstr(command, kViewerExe) + wcslen(kViewerExe);
        size_t n = static_cast<size_t>(end - command);
        wcsncpy(path, command, n);
        path[n] = L'\0';
    }

    wchar_t drive[_MAX_DRIVE] = {}, dir[kPathChars] = {};
    _wsplitpath_s(path, drive, _MAX_DRIVE, dir, kPathChars, nullptr, 0, nullptr, 0);
    CopyText(out, kPathChars, drive);
    AppendText(out, kPathChars, dir);
    size_t len = wcslen(out);
    if (len == 0 || out[len - 1] != L'\\') AppendText(out, kPathChars, L"\\");
    return 1;
}

int GetDefaultTargetFolder(wchar_t* out)
{
    CopyText(out, kPathChars, L"C:\\Pictomaze\\");
    wchar_t programFiles[130] = {};
    if (!ReadSmallValue(kCurrentVersionKey, L"ProgramFilesDir", programFiles)) return 1;

    wchar_t folder[kPathChars] = {};
    CopyText(folder, kPathChars, programFiles);
    size_t len = wcslen(folder);
    if (len == 0 || folder[len - 1] != L'\\') AppendText(folder, kPathChars, L"\\");
    AppendText(folder, kPathChars, L"Pictomaze");
    CopyText(out, kPathChars, folder);
    return 1;
}

int ReadVersionRecord(const wchar_t* path, wchar_t* version, wchar_t* company, int companyCapacity)
{
    wchar_t libraryPath[kPathChars];
    if (!BuildSystemFilePath(L"version.dll", libraryPath)) return 0;
    UniqueModule library(LoadLibraryW(libraryPath));
    if (!library) return 0;

    using SizeFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using InfoFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    auto getSize = GetProc<SizeFn>(library.get(), "GetFileVersionInfoSizeW");
    auto getInfo = GetProc<InfoFn>(library.get(), "GetFileVersionInfoW");
    auto query = GetProc<QueryFn>(library.get(), "VerQueryValueW");
    if (!getSize || !getInfo || !query) return 0;

    DWORD handle = 0;
    DWORD size = getSize(path, &handle);
    if (size == 0) return 0;
    std::vector<BYTE> block(static_cast<size_t>(size) * 2, 0);
    if (!getInfo(path, 0, size, block.data())) return 0;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLen = 0;
    if (!query(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLen) || !fixed) return 0;

    swprintf(version, kPathChars, L"%d.%d%d", HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
             HIWORD(fixed->dwFileVersionLS));

    if (company) {
        company[0] = L'\0';
        wchar_t* name = nullptr;
        UINT nameLen = 0;
        if (query(block.data(), L"\\StringFileInfo\\040904E4\\CompanyName", reinterpret_cast<void**>(&name),
                  &nameLen) &&
            name && companyCapacity > 0) {
            UINT n = nameLen < static_cast<UINT>(companyCapacity - 1) ? nameLen : companyCapacity - 1;
            wcsncpy(company, name, n);
            company[n] = L'\0';
        }
    }
    return 1;
}

LONG GetFileLength(const wchar_t* path)
{
    if (!path || path[0] == L'\0') return 0;
    UniqueFile file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 0;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size)) return 0;
    return static_cast<LONG>(size.QuadPart);
}

OSVERSIONINFOW QueryWindowsVersion()
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return info;
}

int IsVistaOrLater()
{
    OSVERSIONINFOW v = QueryWindowsVersion();
    return v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion >= 6;
}

int IsWindows8OrLater()
{
    OSVERSIONINFOW v = QueryWindowsVersion();
    return v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion >= 6 && v.dwMinorVersion >= 2;
}
