#include "install/PathOperations.h"

#include <cwchar>
#include <strsafe.h>

#include "install/InstallOptions.h"

void TrimBlanks(wchar_t* path)
{
    size_t len = wcslen(path);
    while (len > 0 && path[len - 1] == L' ') path[--len] = L'\0';
    if (path[0] == L' ' && len < kPathChars) {
        size_t skip = 0;
        while (path[skip] == L' ') ++skip;
        memmove(path, path + skip, (len - skip + 1) * sizeof(wchar_t));
    }
}

void AppendBackslash(wchar_t* path)
{
    size_t len = wcslen(path);
    if (len >= 1 && len <= 258 && path[len - 1] != L'\\') {
        path[len] = L'\\';
        path[len + 1] = L'\0';
    }
}

bool CopyText(wchar_t* dest, size_t capacity, const wchar_t* src)
{
    if (capacity == 0) return false;
    if (FAILED(StringCchCopyW(dest, capacity, src))) {
        dest[0] = L'\0';
        return false;
    }
    return true;
}

bool AppendText(wchar_t* dest, size_t capacity, const wchar_t* src)
{
    size_t len = wcslen(dest);
    if (len + wcslen(src) + 1 > capacity) return false;
    memcpy(dest + len, src, (wcslen(src) + 1) * sizeof(wchar_t));
    return true;
}

bool BuildSystemFilePath(const wchar_t* fileName, wchar_t* out)
{
    UINT n = GetSystemDirectoryW(out, kPathChars);
    if (n == 0 || n >= kPathChars) {
        out[0] = L'\0';
        return false;
    }
    AppendBackslash(out);
    if (!AppendText(out, kPathChars, fileName)) {
        out[0] = L'\0';
        return false;
    }
    return true;
}

void LoadMessage(UINT id, wchar_t* buffer, int capacity)
{
    buffer[0] = L'\0';
    LoadStringW(GetModuleHandleW(nullptr), id, buffer, capacity);
}

namespace {

bool CanEnter(const wchar_t* path)
{
    wchar_t remembered[kPathChars] = {};
    DWORD n = GetCurrentDirectoryW(kPathChars, remembered);
    if (!SetCurrentDirectoryW(path)) return false;
    if (n > 0 && n < kPathChars) SetCurrentDirectoryW(remembered);
    return true;
}

}  // namespace

int CreateFolderPath(wchar_t* path)
{
    if (path[0] == L'\0') return 0;
    TrimBlanks(path);
    if (path[0] == L'\0') return 0;
    // A path that does not fit a 260-character buffer cannot be a folder here;
    // refusing it keeps the level rebuild below from cutting it.
    if (wcslen(path) >= kPathChars) return 0;
    AppendBackslash(path);

    if (CanEnter(path)) return 1;

    wchar_t result[kPathChars] = {};
    size_t out = 0;
    size_t len = wcslen(path);
    size_t i = 0;
    if (path[0] == L'\\' && path[1] == L'\\') {
        result[0] = result[1] = L'\\';
        out = 2;
        i = 2;
    }
    for (; i < len && i < kPathChars; ++i) {
        if (path[i] == L'\\') {
            result[out] = L'\0';
            TrimBlanks(result);
            CreateDirectoryW(result, nullptr);  // exists already, or a drive: fine
            AppendBackslash(result);
            out = wcslen(result);
        } else if (out + 1 < kPathChars) {
            result[out++] = path[i];
        } else {
            return 0;
        }
    }
    result[out] = L'\0';

    CopyText(path, kPathChars, result);
    AppendBackslash(path);
    return CanEnter(path) ? 1 : 0;
}
