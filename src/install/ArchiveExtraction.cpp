#include "install/ArchiveExtraction.h"

#include <cstring>
#include <cwchar>
#include <memory>
#include <new>

#include "framework/Handles.h"
#include "install/InstallOptions.h"
#include "install/PayloadExtraction.h"

extern "C" {
#include "unzip.h"
#include "iowin32.h"
}

namespace {

constexpr int kNameBytes = 520;      // entry name as stored, terminator included
constexpr int kWideNameChars = 324;  // its UTF-16 form
constexpr unsigned kCopyBufferBytes = 0x8000;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The skip rule matches the library's name anywhere, in any ASCII letter case.
bool NamesIconLibrary(const char* name)
{
    char lower[kNameBytes];
    size_t i = 0;
    for (; name[i] != '\0' && i + 1 < sizeof(lower); ++i) {
        char c = name[i];
        lower[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    lower[i] = '\0';
    return strstr(lower, "icons.dll") != nullptr;
}

// bytes < 0: the whole terminated text. False when it does not convert or fit.
bool ToWide(const char* text, int bytes, wchar_t (&out)[kWideNameChars])
{
    out[0] = L'\0';
    if (bytes == 0) return false;
    int n = MultiByteToWideChar(CP_ACP, 0, text, bytes, out, bytes < 0 ? kWideNameChars : kWideNameChars - 1);
    if (n <= 0) {
        out[0] = L'\0';
        return false;
    }
    if (bytes > 0) out[n] = L'\0';
    return true;
}

// Second line of defence behind IsContainedEntryName: the name as the file
// system resolves it must lie below the target folder.
bool ResolvesInside(const wchar_t* name, const wchar_t* base)
{
    wchar_t full[kLongPathChars];
    DWORD n = GetFullPathNameW(name, kLongPathChars - 1, full, nullptr);
    if (n == 0 || n >= kLongPathChars - 1) return false;
    if (!IsSeparator(full[n - 1])) {
        full[n] = L'\\';
        full[n + 1] = L'\0';
    }
    return _wcsnicmp(full, base, wcslen(base)) == 0;
}

int ProcessEntry(unzFile archive, int skipIconLibrary, const wchar_t* base)
{
    char name[kNameBytes] = {};
    unz_file_info64 info = {};
    int result = unzGetCurrentFileInfo64(archive, &info, name, sizeof(name), nullptr, 0, nullptr, 0);
    if (result != UNZ_OK) return result;
    // A name longer than the buffer arrives cut; unpacking it would write a file of another name.
    if (info.size_filename >= sizeof(name)) return UNZ_OK;

    if (skipIconLibrary == 1 && NamesIconLibrary(name)) return UNZ_OK;

    wchar_t wideName[kWideNameChars];
    if (!ToWide(name, -1, wideName)) return UNZ_OK;
    // Nothing is ever written outside the target folder.
    if (!IsContainedEntryName(wideName) || !ResolvesInside(wideName, base)) return UNZ_OK;

    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBufferBytes]);
    if (!buffer) return UNZ_INTERNALERROR;

    const char* filePart = name;
    for (const char* p = name; *p; ++p) {
        if (*p == '/' || *p == '\\') filePart = p + 1;
    }
    if (*filePart == '\0') {
        CreateDirectoryW(wideName, nullptr);  // exists already: fine
        return UNZ_OK;
    }

    result = unzOpenCurrentFilePassword(archive, nullptr);
    if (result != UNZ_OK) {
        unzCloseCurrentFile(archive);
        return result;
    }

    auto create = [&wideName] {
        return CreateFileW(wideName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    UniqueFile file(create());
    if (!file && filePart != name) {
        // The archive need not carry folder entries: make the folders and try once more.
        wchar_t folder[kWideNameChars];
        if (ToWide(name, static_cast<int>(filePart - 1 - name), folder)) MakeDirectoryTree(folder);
        file.reset(create());
    }
    if (!file) return unzCloseCurrentFile(archive);  // read-only or in use: skipped

    int copyResult = UNZ_OK;
    for (;;) {
        int n = unzReadCurrentFile(archive, buffer.get(), kCopyBufferBytes);
        if (n == 0) break;
        if (n < 0) {
            copyResult = n;
            break;
        }
        DWORD written = 0;
        if (!WriteFile(file.get(), buffer.get(), static_cast<DWORD>(n), &written, nullptr) ||
            written != static_cast<DWORD>(n)) {
            copyResult = -1;
            break;
        }
    }
    file.reset();
    if (copyResult == UNZ_OK) SetFileTimeFromDosDate(wideName, info.dosDate);

    int closeResult = unzCloseCurrentFile(archive);
    return copyResult != UNZ_OK ? copyResult : closeResult;
}

}  // namespace

bool IsContainedEntryName(const wchar_t* name)
{
    if (IsSeparator(name[0])) return false;
    if (name[0] != L'\0' && name[1] == L':') return false;
    const wchar_t* level = name;
    for (const wchar_t* p = name;; ++p) {
        if (*p == L'\0' || IsSeparator(*p)) {
            if (p - level == 2 && level[0] == L'.' && level[1] == L'.') return false;
            if (*p == L'\0') return true;
            level = p + 1;
        }
    }
}

int MakeDirectoryTree(const wchar_t* path)
{
    if (!path || path[0] == L'\0') return 0;
    size_t len = wcslen(path);
    std::unique_ptr<wchar_t[]> copy(new (std::nothrow) wchar_t[len + 1]);
    if (!copy) return UNZ_INTERNALERROR;
    memcpy(copy.get(), path, (len + 1) * sizeof(wchar_t));
    if (copy[len - 1] == L'/') copy[--len] = L'\0';

    if (CreateDirectoryW(copy.get(), nullptr)) return 1;

    for (size_t i = 1; i <= len; ++i) {
        wchar_t c = copy[i];
        if (c != L'\0' && !IsSeparator(c)) continue;
        copy[i] = L'\0';
        if (!CreateDirectoryW(copy.get(), nullptr) && GetLastError() == ERROR_PATH_NOT_FOUND) return 0;
        copy[i] = c;
    }
    return 1;
}

void SetFileTimeFromDosDate(const wchar_t* path, unsigned long dosDateTime)
{
    UniqueFile file(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return;
    FILETIME created = {}, accessed = {}, written = {};
    GetFileTime(file.get(), &created, &accessed, &written);
    FILETIME local = {}, utc = {};
    DosDateTimeToFileTime(HIWORD(dosDateTime), LOWORD(dosDateTime), &local);
    LocalFileTimeToFileTime(&local, &utc);
    SetFileTime(file.get(), &utc, &accessed, &utc);
}

int ExtractArchive(const wchar_t* archivePath, const wchar_t* targetFolder, int skipIconLibrary)
{
    zlib_filefunc64_def functions;
    fill_win32_filefunc64W(&functions);
    unzFile archive = unzOpen2_64(archivePath, &functions);
    if (!archive) return -1;

    if (!SetCurrentDirectoryW(targetFolder)) {
        unzClose(archive);
        return -1;
    }
    wchar_t base[kLongPathChars];
    DWORD n = GetCurrentDirectoryW(kLongPathChars - 1, base);
    if (n == 0 || n >= kLongPathChars - 1) {
        unzClose(archive);
        return -1;
    }
    if (!IsSeparator(base[n - 1])) {
        base[n] = L'\\';
        base[n + 1] = L'\0';
    }

    unz_global_info64 global = {};
    int result = unzGetGlobalInfo64(archive, &global);
    for (ZPOS64_T i = 0; result == UNZ_OK && i < global.number_entry; ++i) {
        result = ProcessEntry(archive, skipIconLibrary, base);
        if (result == UNZ_OK && i + 1 < global.number_entry) result = unzGoToNextFile(archive);
    }
    unzClose(archive);
    return result;
}
