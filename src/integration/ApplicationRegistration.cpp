#include "integration/ApplicationRegistration.h"

#include <cwchar>

#include "app/Probes.h"
#include "install/PathOperations.h"
#include "integration/AssociationWriter.h"
#include "integration/RegistryServices.h"
#include "integration/ShellServices.h"
#include "integration/Shortcuts.h"

namespace {

constexpr size_t kPath = 260;
constexpr int kVersionMajor = 4;
constexpr int kVersionMinor = 58;
constexpr DWORD kEstimatedSizeKb = 5500;

constexpr const wchar_t* kVerbName = L"Durchsuchen mit &Pictomaze";
constexpr const wchar_t* kVerbParents[] = {L"SOFTWARE\\Classes\\Directory\\shell", L"SOFTWARE\\Classes\\Drive\\shell"};
constexpr const wchar_t* kClassKey = L"SOFTWARE\\Classes\\Pictomaze";
constexpr const wchar_t* kClassOpenCommand = L"SOFTWARE\\Classes\\Pictomaze\\shell\\open\\command";
constexpr const wchar_t* kClassDefaultIcon = L"SOFTWARE\\Classes\\Pictomaze\\DefaultIcon";
constexpr const wchar_t* kApplicationKey = L"Applications\\p_maze32.exe";
constexpr const wchar_t* kApplicationOpenCommand = L"Applications\\p_maze32.exe\\shell\\open\\command";
constexpr const wchar_t* kUninstallKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pictomaze";
constexpr const wchar_t* kAppKey = L"SOFTWARE\\Pictomaze";
constexpr const wchar_t* kAppOpenCommand = L"SOFTWARE\\Pictomaze\\shell\\open\\command";
constexpr const wchar_t* kCapabilitiesKey = L"SOFTWARE\\Pictomaze\\Capabilities";
constexpr const wchar_t* kFileAssociationsKey = L"SOFTWARE\\Pictomaze\\Capabilities\\FileAssociations";
constexpr const wchar_t* kRegisteredApplications = L"SOFTWARE\\RegisteredApplications";
constexpr const wchar_t* kDescription =
    L"Picture viewer, editor and converter - one of the most popular viewers worldwide";

// "Durchsuchen mit &Pictomaze" on folders and drives, opening the thumbnails view.
void WriteFolderVerb(const wchar_t* exe)
{
    wchar_t command[kPath];
    if (!FormatText(command, kPath, L"\"%ls\" \"%%1\" /thumbs", exe)) return;
    for (const wchar_t* shellKey : kVerbParents) {
        wchar_t key[kPath];
        if (FormatText(key, kPath, L"%ls\\%ls", shellKey, kVerbName)) {
            SetKeyDefault(HKEY_LOCAL_MACHINE, key, kVerbName);
        }
        if (FormatText(key, kPath, L"%ls\\%ls\\command", shellKey, kVerbName)) {
            SetKeyDefault(HKEY_LOCAL_MACHINE, key, command);
        }
    }
}

void WriteFileClass(const wchar_t* open)
{
    SetKeyDefault(HKEY_LOCAL_MACHINE, kClassKey, L"Pictomaze");
    // Read back by the next install to find this installation.
    SetKeyDefault(HKEY_LOCAL_MACHINE, kClassOpenCommand, open);
    DeleteKey(HKEY_LOCAL_MACHINE, kClassDefaultIcon);
    SetKeyDefault(HKEY_CLASSES_ROOT, kApplicationOpenCommand, open);
    UniqueHKey application = OpenKey(HKEY_CLASSES_ROOT, kApplicationKey, KEY_ALL_ACCESS);
    if (application) SetStringValue(application.get(), L"FriendlyAppName", L"Pictomaze 32-bit");
}

void WriteUninstallEntry(const wchar_t* folder, const wchar_t* exe)
{
    SetKeyDefault(HKEY_LOCAL_MACHINE, kUninstallKey, L"");
    UniqueHKey key = OpenKey(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_ALL_ACCESS);
    if (!key) return;

    wchar_t text[kPath];
    if (FormatText(text, kPath, L"Pictomaze %d.%d (32-bit)", kVersionMajor, kVersionMinor)) {
        SetStringValue(key.get(), L"DisplayName", text);
    }
    if (FormatText(text, kPath, L"\"%lspm_uninstall.exe\"", folder)) {
        SetStringValue(key.get(), L"UninstallString", text);
    }
    SetStringValue(key.get(), L"Publisher", L"Orvandel");
    SetStringValue(key.get(), L"InstallLocation", folder);
    if (FormatText(text, kPath, L"%d.%d", kVersionMajor, kVersionMinor)) {
        SetStringValue(key.get(), L"DisplayVersion", text);
    }
    if (FormatText(text, kPath, L"%ls,0", exe)) SetStringValue(key.get(), L"DisplayIcon", text);
    SetDwordValue(key.get(), L"VersionMajor", kVersionMajor);
    SetDwordValue(key.get(), L"VersionMinor", kVersionMinor);
    SetDwordValue(key.get(), L"EstimatedSize", kEstimatedSizeKb);
}

// The Default Programs entry: the viewer's capabilities, filled by the association pass.
void WriteCapabilities(const wchar_t* exe)
{
    CreateKey(HKEY_LOCAL_MACHINE, kAppKey);
    wchar_t command[kPath];
    if (FormatText(command, kPath, L"\"%ls\"", exe)) SetKeyDefault(HKEY_LOCAL_MACHINE, kAppOpenCommand, command);
    if (UniqueHKey capabilities = CreateKey(HKEY_LOCAL_MACHINE, kCapabilitiesKey)) {
        SetStringValue(capabilities.get(), L"ApplicationDescription", kDescription);
    }
    CreateKey(HKEY_LOCAL_MACHINE, kFileAssociationsKey);
    // Only announced where the list exists; it is not this program's to create.
    if (UniqueHKey registered = OpenKey(HKEY_LOCAL_MACHINE, kRegisteredApplications, KEY_SET_VALUE)) {
        SetStringValue(registered.get(), L"Pictomaze", kCapabilitiesKey);
    }
}

}  // namespace

WindowsClasses ClassifyWindowsVersion(const OSVERSIONINFOW& version)
{
    WindowsClasses classes;
    if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) return classes;
    classes.xp = version.dwMajorVersion == 5 && version.dwMinorVersion >= 1;
    classes.vista = version.dwMajorVersion >= 6;
    return classes;
}

int RegisterApplicationFor(const OSVERSIONINFOW& version, int associationsConfirmed, int anySelected,
                           const wchar_t* targetFolder, int programGroup, int desktopShortcut,
                           int thumbnailsShortcut, int allUsers, const AssociationSelection& selection,
                           int associateAllUsers)
{
    const WindowsClasses classes = ClassifyWindowsVersion(version);

    // folder, exe and open must hold in full; the install routine refuses longer
    // target folders before it gets here, so nothing is ever written cut short.
    wchar_t folder[kPath], exe[kPath], open[kPath];
    if (!CopyText(folder, kPath, targetFolder)) return 1;
    TrimBlanks(folder);
    size_t length = wcslen(folder);
    if (length == 0) return 1;
    if (folder[length - 1] != L'\\' && !AppendText(folder, kPath, L"\\")) return 1;
    if (!FormatText(exe, kPath, L"%lsp_maze32.exe", folder)) return 1;
    if (!FormatText(open, kPath, L"\"%ls\" \"%%1\"", exe)) return 1;

    if (programGroup) CreateProgramGroup(folder, allUsers);
    if (desktopShortcut) {
        CreateDesktopShortcut(exe, L"Pictomaze.lnk", nullptr, L"Pictomaze - Bildbetrachter", nullptr, 0, allUsers);
    }
    if (thumbnailsShortcut) {
        CreateDesktopShortcut(exe, L"Pictomaze Thumbnails.lnk", exe, L"Pictomaze - Thumbnails", L"/thumbs", 7,
                              allUsers);
        if (classes.vista) WriteFolderVerb(exe);
    }

    WriteFileClass(open);
    WriteUninstallEntry(folder, exe);
    if (classes.vista) WriteCapabilities(exe);

    RunAssociationPass(associationsConfirmed, anySelected, selection, associateAllUsers, classes.xp, classes.vista,
                       open, exe);
    return 1;
}

int RegisterApplication(int associationsConfirmed, int anySelected, const wchar_t* targetFolder, int programGroup,
                        int desktopShortcut, int thumbnailsShortcut, int allUsers,
                        const AssociationSelection& selection, int associateAllUsers)
{
    return RegisterApplicationFor(QueryWindowsVersion(), associationsConfirmed, anySelected, targetFolder,
                                  programGroup, desktopShortcut, thumbnailsShortcut, allUsers, selection,
                                  associateAllUsers);
}
