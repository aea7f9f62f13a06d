#include "integration/Shortcuts.h"

#include <shlobj.h>

#include "app/Probes.h"
#include "framework/Handles.h"
#include "install/PathOperations.h"
#include "integration/ShellServices.h"

namespace {

constexpr int kPath = 260;
constexpr int kVersionMajor = 4;
constexpr int kVersionMinor = 58;
constexpr const wchar_t* kPreviousVersions[] = {L"4.57", L"4.56"};

// COM for the current thread, for the lifetime of one shortcut.
class ComApartment {
public:
    ComApartment()
    {
        const ShellFunctions& shell = GetShellFunctions();
        m_initialised = shell.coInitialize && shell.coUninitialize && SUCCEEDED(shell.coInitialize(nullptr));
    }
    ~ComApartment()
    {
        if (m_initialised) GetShellFunctions().coUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_initialised = false;
};

struct LinkFields {
    const wchar_t* target;
    const wchar_t* arguments;    // may be null
    const wchar_t* iconPath;     // may be null
    int iconIndex;
    const wchar_t* description;  // may be null
};

// One shortcut file through the shell's link object. The file path comes from
// linkPath, which is called once the link object exists.
template <typename BuildPath>
int WriteShortcut(const LinkFields& fields, BuildPath linkPath)
{
    ComApartment apartment;
    const ShellFunctions& shell = GetShellFunctions();
    if (!shell.coCreateInstance) return 0;

    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(shell.coCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      link.putVoid()))) {
        return 0;
    }
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid()))) return 0;

    wchar_t path[kPath];
    if (!linkPath(path)) return 0;  // a path that does not fit is not cut short

    if (fields.iconPath) link->SetIconLocation(fields.iconPath, fields.iconIndex);
    link->SetPath(fields.target);
    if (fields.arguments) link->SetArguments(fields.arguments);
    if (fields.description) link->SetDescription(fields.description);
    return SUCCEEDED(file->Save(path, TRUE)) ? 1 : 0;
}

void MakeGroupEntry(const wchar_t* group, const wchar_t* linkFileName, const wchar_t* folder, const wchar_t* file,
                    const wchar_t* arguments = nullptr, const wchar_t* iconPath = nullptr, int iconIndex = 0)
{
    wchar_t target[kPath];
    if (!FormatText(target, kPath, L"%ls%ls", folder, file)) return;
    CreateFolderShortcut(group, linkFileName, target, arguments, iconPath, iconIndex);
}

}  // namespace

void ResolveSpecialFolder(wchar_t* path, int specialFolderId)
{
    path[0] = L'\0';
    const ShellFunctions& shell = GetShellFunctions();
    PIDLIST_ABSOLUTE items = nullptr;
    if (shell.getSpecialFolderLocation && shell.getPathFromIDList &&
        SUCCEEDED(shell.getSpecialFolderLocation(GetActiveWindow(), specialFolderId, &items)) && items) {
        if (!shell.getPathFromIDList(items, path)) path[0] = L'\0';
    }
    if (items && shell.coTaskMemFree) shell.coTaskMemFree(items);

    if (path[0] == L'\0') {
        UINT n = GetWindowsDirectoryW(path, kPath);
        if (n == 0 || n >= kPath) path[0] = L'\0';
    }
    AppendBackslash(path);
}

int CreateDesktopShortcut(const wchar_t* target, const wchar_t* linkFileName, const wchar_t* iconPath,
                          const wchar_t* description, const wchar_t* arguments, int iconIndex, int allUsers)
{
    LinkFields fields{target, arguments, iconPath, iconIndex, description};
    return WriteShortcut(fields, [&](wchar_t* path) {
        wchar_t desktop[kPath];
        ResolveSpecialFolder(desktop, allUsers ? CSIDL_COMMON_DESKTOPDIRECTORY : CSIDL_DESKTOP);
        return FormatText(path, kPath, L"%ls%ls", desktop, linkFileName);
    });
}

int CreateFolderShortcut(const wchar_t* folder, const wchar_t* linkFileName, const wchar_t* target,
                         const wchar_t* arguments, const wchar_t* iconPath, int iconIndex)
{
    // Group entries carry no description.
    LinkFields fields{target, arguments, iconPath, iconIndex, nullptr};
    return WriteShortcut(fields,
                         [&](wchar_t* path) { return FormatText(path, kPath, L"%ls%ls", folder, linkFileName); });
}

void CreateProgramGroup(const wchar_t* folder, int allUsers)
{
    wchar_t group[kPath];
    ResolveSpecialFolder(group, allUsers ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS);
    if (!AppendText(group, kPath, L"Pictomaze")) return;
    CreateFolderPath(group);

    wchar_t exe[kPath];
    if (!FormatText(exe, kPath, L"%lsp_maze32.exe", folder)) return;

    wchar_t name[kPath];
    FormatText(name, kPath, L"Pictomaze %d.%2d.lnk", kVersionMajor, kVersionMinor);
    MakeGroupEntry(group, name, folder, L"p_maze32.exe");

    for (const wchar_t* previous : kPreviousVersions) {
        wchar_t old[kPath];
        if (FormatText(old, kPath, L"%lsPictomaze %ls.lnk", group, previous)) DeleteFileW(old);
    }

    CreateFolderShortcut(group, L"Pictomaze - Thumbnails.lnk", exe, L"/thumbs", exe, 7);
    // Systems reporting 6.2 (Windows 8 and, without a supported-OS manifest,
    // every later one) list uninstallers in their own settings instead.
    OSVERSIONINFOW version = QueryWindowsVersion();
    bool reportsWindows8 =
        version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 6 && version.dwMinorVersion == 2;
    if (!reportsWindows8) MakeGroupEntry(group, L"Pictomaze deinstallieren.lnk", folder, L"pm_uninstall.exe");
    MakeGroupEntry(group, L"Über Pictomaze.lnk", folder, L"p_about.txt");
    MakeGroupEntry(group, L"Was ist neu.lnk", folder, L"p_changes.txt");
    MakeGroupEntry(group, L"Kommandozeilen-Optionen.lnk", folder, L"p_options.txt");
    MakeGroupEntry(group, L"Verfügbare PlugIns.lnk", folder, L"p_plugins.txt");
    MakeGroupEntry(group, L"Verfügbare Sprachen.lnk", folder, L"p_languages.txt");
    MakeGroupEntry(group, L"Pictomaze Hilfe.lnk", folder, L"help\\p_maze32_deutsch.chm");
}
