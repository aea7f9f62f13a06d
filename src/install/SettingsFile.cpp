#include "install/SettingsFile.h"

#include <cwchar>
#include <memory>
#include <new>

#include "app/Probes.h"
#include "framework/Handles.h"
#include "install/PathOperations.h"

namespace {

constexpr const wchar_t* kSettingsName = L"p_maze32.ini";
constexpr const wchar_t* kTempSuffix = L"_temp";
constexpr const wchar_t* kHeader = L"; UNICODE FILE - edit with care ;-)\r\n\r\n";

constexpr const wchar_t* kOthers = L"Others";
constexpr const wchar_t* kLanguage = L"Language";
constexpr const wchar_t* kToolbar = L"Toolbar";

constexpr int kEnvValueChars = 260;

bool IsAppFolderLayout(const wchar_t* file)
{
    return wcsstr(file, L"Pictomaze32_App") || wcsstr(file, L"Pictomaze64_App");
}

// Height of a full-screen window's client area. A full-screen client area is
// never taller than the work area less the caption; some systems report more
// (Wine adds the frame to the whole screen height), so that bound applies.
int FullScreenClientHeight()
{
    int height = GetSystemMetrics(SM_CYFULLSCREEN);
    RECT work = {};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        int bound = (work.bottom - work.top) - GetSystemMetrics(SM_CYCAPTION);
        if (bound > 0 && bound < height) height = bound;
    }
    return height;
}

int ScreenScale()
{
    UniqueDc dc(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (!dc) return 100;
    return GetDeviceCaps(dc.get(), LOGPIXELSX) * 100 / 96;
}

}  // namespace

ToolbarSkin ChooseToolbarSkin(int height, int scale)
{
    if (height >= 1600 || scale >= 170) return {L"gnome-colors-human_48.png", L"48"};
    if (height > 1200 || scale >= 150) return {L"gnome-colors-wise_32.png", L"32"};
    if (height < 768) return {L"Tavrin_16.png", L"16"};
    return {L"Kelmoran_24.png", L"24"};
}

bool ExpandIniFolder(const wchar_t* text, wchar_t* out)
{
    out[0] = L'\0';
    if (!wcschr(text, L'%')) {
        if (!CopyText(out, kLongPathChars, text)) return false;
    } else {
        for (const wchar_t* p = text; *p;) {
            if (*p != L'%') {
                wchar_t one[2] = {*p++, L'\0'};
                if (!AppendText(out, kLongPathChars, one)) return false;
                continue;
            }
            const wchar_t* name = p + 1;
            const wchar_t* end = wcschr(name, L'%');
            size_t nameLen = end ? static_cast<size_t>(end - name) : wcslen(name);
            p = end ? end + 1 : name + nameLen;

            wchar_t variable[kLongPathChars];
            if (nameLen >= kLongPathChars) continue;  // no such variable
            wmemcpy(variable, name, nameLen);
            variable[nameLen] = L'\0';
            wchar_t value[kEnvValueChars];
            DWORD n = GetEnvironmentVariableW(variable, value, kEnvValueChars);
            if (n == 0) continue;                       // missing: the reference is dropped
            if (n >= kEnvValueChars) return false;      // would be cut
            if (!AppendText(out, kLongPathChars, value)) return false;
        }
    }
    // The folder, blanks trimmed, a backslash and the file name must fit one path.
    wchar_t trimmed[kLongPathChars];
    CopyText(trimmed, kLongPathChars, out);
    TrimBlanks(trimmed);
    size_t len = wcslen(trimmed);
    if (len == 0) return false;
    if (trimmed[len - 1] != L'\\') ++len;
    return len + wcslen(kSettingsName) < kPathChars;
}

void WriteSettingsFile(InstallOptions& options, wchar_t* finalFile)
{
    finalFile[0] = L'\0';
    wchar_t programFile[kPathChars];
    CopyText(programFile, kPathChars, options.targetFolder);
    TrimBlanks(programFile);
    AppendBackslash(programFile);
    if (!AppendText(programFile, kPathChars, kSettingsName)) return;
    CopyText(finalFile, kPathChars, programFile);

    if (options.silent && options.iniFolder[0] == L'\0') {
        wchar_t defaultFolder[kPathChars] = {};
        GetDefaultTargetFolder(defaultFolder);
        if (defaultFolder[0] != L'\0' && wcsstr(options.targetFolder, defaultFolder)) {
            CopyText(options.iniFolder, kPathChars, kAppDataIniFolder);
        }
    }

    // An INI folder whose expansion is empty or too long counts as empty: the
    // settings then stay in the program folder rather than in a cut path.
    wchar_t expanded[kLongPathChars] = {};
    bool separate = options.iniFolder[0] != L'\0' && ExpandIniFolder(options.iniFolder, expanded);
    bool appFolderLayout = false;
    if (!separate) {
        WritePrivateProfileStringW(kOthers, L"INI_Folder", nullptr, programFile);
    } else {
        CreateFolderPath(expanded);  // a folder that cannot be made lets the writes below fail
        TrimBlanks(expanded);
        AppendBackslash(expanded);
        WritePrivateProfileStringW(kOthers, L"INI_Folder", options.iniFolder, programFile);
        CopyText(finalFile, kPathChars, expanded);
        AppendText(finalFile, kPathChars, kSettingsName);
        appFolderLayout = IsAppFolderLayout(finalFile);
    }

    WritePrivateProfileStringW(kLanguage, L"DLL", L"DEUTSCH.DLL", finalFile);
    WritePrivateProfileStringW(kLanguage, L"Lang", L"Deutsch", finalFile);
    if (appFolderLayout) {
        WritePrivateProfileStringW(kLanguage, L"DefaultLang", L"DEUTSCH.DLL", programFile);
        WritePrivateProfileStringW(kLanguage, L"Lang", L"Deutsch", programFile);
    }

    wchar_t skin[kPathChars] = {};
    GetPrivateProfileStringW(kToolbar, L"Skin", L"", skin, kPathChars, finalFile);
    if (skin[0] != L'\0') return;
    ToolbarSkin chosen = ChooseToolbarSkin(FullScreenClientHeight(), ScreenScale());
    WritePrivateProfileStringW(kToolbar, L"Skin", chosen.skin, finalFile);
    WritePrivateProfileStringW(kToolbar, L"Size", chosen.size, finalFile);
    if (appFolderLayout) {
        WritePrivateProfileStringW(kToolbar, L"Skin", L"Kelmoran_24.png", programFile);
        WritePrivateProfileStringW(kToolbar, L"Size", L"24", programFile);
    }
}

int ConvertSettingsToUnicode(const wchar_t* path)
{
    UniqueFile source(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!source) return 1;

    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(source.get(), &size) || size.HighPart != 0 || size.LowPart > 0x3fffffff) return 1;
    std::unique_ptr<char[]> content(new (std::nothrow) char[size.LowPart + 1]);
    if (!content) return 1;
    DWORD read = 0;
    if (!ReadFile(source.get(), content.get(), size.LowPart, &read, nullptr)) return 1;
    source.reset();
    if (read >= 2 && static_cast<unsigned char>(content[0]) == 0xFF &&
        static_cast<unsigned char>(content[1]) == 0xFE) {
        return 1;  // already UTF-16
    }
    // An empty settings file has nothing to convert and stays as it is.
    if (read == 0) return 1;

    // One conversion of the whole text, so that no multi-byte character is split.
    int chars = MultiByteToWideChar(CP_ACP, 0, content.get(), static_cast<int>(read), nullptr, 0);
    if (chars <= 0) return 1;
    std::unique_ptr<wchar_t[]> wide(new (std::nothrow) wchar_t[chars]);
    if (!wide) return 1;
    MultiByteToWideChar(CP_ACP, 0, content.get(), static_cast<int>(read), wide.get(), chars);

    // The temporary file sits beside the settings file, so the move is a rename.
    wchar_t tempFile[kLongPathChars] = {};
    CopyText(tempFile, kLongPathChars, path);
    wchar_t* folderEnd = tempFile;
    for (wchar_t* p = tempFile; *p; ++p) {
        if (*p == L'\\' || *p == L'/' || (*p == L':' && p == tempFile + 1)) folderEnd = p + 1;
    }
    *folderEnd = L'\0';
    AppendText(tempFile, kLongPathChars, kSettingsName);
    AppendText(tempFile, kLongPathChars, kTempSuffix);

    bool complete = false;
    {
        UniqueFile target(CreateFileW(tempFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
        if (!target) return 1;  // the file stays 8-bit
        auto put = [&target](const void* data, DWORD bytes) {
            DWORD written = 0;
            return WriteFile(target.get(), data, bytes, &written, nullptr) && written == bytes;
        };
        const unsigned char bom[2] = {0xFF, 0xFE};
        complete = put(bom, sizeof(bom)) &&
                   put(kHeader, static_cast<DWORD>(wcslen(kHeader) * sizeof(wchar_t))) &&
                   put(wide.get(), static_cast<DWORD>(chars) * sizeof(wchar_t));
    }
    // A short copy (full disk) must never replace the settings.
    if (!complete) {
        DeleteFileW(tempFile);
        return 0;
    }
    return MoveFileExW(tempFile, path, MOVEFILE_REPLACE_EXISTING) ? 1 : 0;
}
