#include "integration/AssociationWriter.h"

#include <cwchar>

#include "app/Probes.h"
#include "integration/RegistryServices.h"
#include "integration/ShellServices.h"

namespace {

constexpr size_t kKey = 260;
constexpr size_t kName = 64;
constexpr const wchar_t* kProduct = L"Pictomaze";
constexpr const wchar_t* kExplorerFileExts = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
constexpr const wchar_t* kCapabilityAssociations = L"SOFTWARE\\Pictomaze\\Capabilities\\FileAssociations";

// These three are bound machine-wide on every Vista-class install, chosen or not.
constexpr const wchar_t* kForcedExtensions[] = {L"JPG", L"PNG", L"TIF"};

constexpr const wchar_t* kAppxClasses[] = {
    L"SOFTWARE\\Classes\\AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg",
    L"SOFTWARE\\Classes\\AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
    L"SOFTWARE\\Classes\\AppX43hnxtbyyps62jhe9sqpdzxn1790zetc",
    L"SOFTWARE\\Classes\\AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
    L"SOFTWARE\\Classes\\AppX6eg8h5sxqq90pv53845wmnbewywdqq5h",
};

bool IsForcedExtension(const wchar_t* extension)
{
    for (const wchar_t* forced : kForcedExtensions) {
        if (_wcsicmp(extension, forced) == 0) return true;
    }
    return false;
}

bool BuildClassName(const wchar_t* classExtension, wchar_t* out, size_t capacity)
{
    return FormatText(out, capacity, L"%ls.%ls", kProduct, classExtension);
}

// "Pictomaze JPG File": only ASCII letters are raised.
bool BuildClassDescription(const wchar_t* classExtension, wchar_t* out, size_t capacity)
{
    wchar_t upper[kName];
    if (!FormatText(upper, kName, L"%ls", classExtension)) return false;
    for (wchar_t* p = upper; *p; ++p) {
        if (*p >= L'a' && *p <= L'z') *p = static_cast<wchar_t>(*p - L'a' + L'A');
    }
    return FormatText(out, capacity, L"%ls %ls File", kProduct, upper);
}

}  // namespace

bool BuildIconReference(int iconIndex, const wchar_t* exePath, wchar_t* out, size_t capacity)
{
    if (iconIndex == kIconOwnFile) return FormatText(out, capacity, L"%%1");
    return FormatText(out, capacity, L"%ls,%d", exePath, iconIndex);
}

void AddCapabilityAssociation(const wchar_t* extension, const wchar_t* classExtension)
{
    wchar_t className[kName], valueName[kName];
    if (!BuildClassName(classExtension, className, kName)) return;
    if (!FormatText(valueName, kName, L".%ls", extension)) return;
    // Opened, never created: the registration creates the key right before the pass.
    UniqueHKey key = OpenKey(HKEY_LOCAL_MACHINE, kCapabilityAssociations, KEY_SET_VALUE);
    if (key) SetStringValue(key.get(), valueName, className);
}

void AssociateExtension(const wchar_t* extension, const wchar_t* classExtension, const wchar_t* openCommand,
                        const wchar_t* iconReference, bool xpClass, bool vistaClass, int associateAllUsers,
                        int selected)
{
    wchar_t className[kName];
    if (!BuildClassName(classExtension, className, kName)) return;

    wchar_t key[kKey];
    wchar_t extensionKey[kKey];
    if (!FormatText(extensionKey, kKey, L"SOFTWARE\\Classes\\.%ls", extension)) return;

    if (xpClass) {
        if (FormatText(key, kKey, L"%ls\\.%ls", kExplorerFileExts, extension)) {
            SetKeyDefault(HKEY_CURRENT_USER, key, L"");
            UniqueHKey explorer = OpenKey(HKEY_CURRENT_USER, key, KEY_ALL_ACCESS);
            if (explorer) SetStringValue(explorer.get(), L"ProgID", className);
        }
        if (associateAllUsers) SetKeyDefault(HKEY_LOCAL_MACHINE, extensionKey, className);
    } else if (selected || IsForcedExtension(extension)) {
        SetKeyDefault(HKEY_LOCAL_MACHINE, extensionKey, className);
    }

    wchar_t description[kName];
    if (BuildClassDescription(classExtension, description, kName) &&
        FormatText(key, kKey, L"SOFTWARE\\Classes\\%ls", className)) {
        SetKeyDefault(HKEY_LOCAL_MACHINE, key, description);
    }
    if (FormatText(key, kKey, L"SOFTWARE\\Classes\\%ls\\shell\\open\\command", className)) {
        SetKeyDefault(HKEY_LOCAL_MACHINE, key, openCommand);
    }
    if (FormatText(key, kKey, L"SOFTWARE\\Classes\\%ls\\DefaultIcon", className)) {
        SetKeyDefault(HKEY_LOCAL_MACHINE, key, iconReference);
    }

    if (!vistaClass) return;
    AddCapabilityAssociation(extension, classExtension);
    if (selected && FormatText(key, kKey, L"%ls\\.%ls\\UserChoice", kExplorerFileExts, extension)) {
        // Replaced, not merged: whatever chose the handler before goes with the old key.
        DeleteKey(HKEY_CURRENT_USER, key);
        UniqueHKey choice = CreateKey(HKEY_CURRENT_USER, key);
        if (choice) SetStringValue(choice.get(), L"Progid", className);
    }
}

void SetAppxNoOpenWith()
{
    for (const wchar_t* appx : kAppxClasses) {
        UniqueHKey key = CreateKey(HKEY_CURRENT_USER, appx);
        if (key) SetStringValue(key.get(), L"NoOpenWith", L"");
    }
}

void RunAssociationPass(int associationsConfirmed, int anySelected, const AssociationSelection& selection,
                        int associateAllUsers, bool xpClass, bool vistaClass, const wchar_t* openCommand,
                        const wchar_t* exePath)
{
    // A declined question counts as nothing chosen.
    if (!associationsConfirmed) anySelected = 0;

    for (int i = 0; i < kGroupCount; ++i) {
        int selected = associationsConfirmed && selection.IsSelected(i) ? 1 : 0;
        // The Vista class registers every extension as a capability, chosen or not.
        if (!vistaClass && !selected) continue;

        const FileTypeGroup& group = GetFileTypeGroup(i);
        wchar_t icon[kKey];
        if (!BuildIconReference(group.iconIndex, exePath, icon, kKey)) continue;
        for (int e = 0; e < group.extensionCount; ++e) {
            const ExtensionPair& pair = group.extensions[e];
            AssociateExtension(pair.extension, pair.classExtension, openCommand, icon, xpClass, vistaClass,
                               associateAllUsers, selected);
        }
    }

    if (!anySelected) return;
    if (IsWindows8OrLater()) SetAppxNoOpenWith();
    SystemParametersInfoW(SPI_SETICONS, 0, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    const ShellFunctions& shell = GetShellFunctions();
    if (shell.changeNotify) shell.changeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSHNOWAIT, nullptr, nullptr);
}
