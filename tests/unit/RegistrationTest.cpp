#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "RegistrationReadBack.h"
#include "TestSupport.h"
#include "install/InstallRoutine.h"
#include "integration/ApplicationRegistration.h"

namespace {

const std::wstring kUninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pictomaze";
const std::wstring kClass = L"SOFTWARE\\Classes\\Pictomaze";
const std::wstring kVerb = L"SOFTWARE\\Classes\\Directory\\shell\\Durchsuchen mit &Pictomaze";
const std::wstring kDriveVerb = L"SOFTWARE\\Classes\\Drive\\shell\\Durchsuchen mit &Pictomaze";

OSVERSIONINFOW Version(DWORD platform, DWORD major, DWORD minor)
{
    OSVERSIONINFOW v = {};
    v.dwOSVersionInfoSize = sizeof(v);
    v.dwPlatformId = platform;
    v.dwMajorVersion = major;
    v.dwMinorVersion = minor;
    return v;
}

const OSVERSIONINFOW kWindows2000 = Version(VER_PLATFORM_WIN32_NT, 5, 0);
const OSVERSIONINFOW kXP = Version(VER_PLATFORM_WIN32_NT, 5, 1);
const OSVERSIONINFOW kSeven = Version(VER_PLATFORM_WIN32_NT, 6, 1);

// The registration alone: no shortcuts, nothing chosen.
void Register(const OSVERSIONINFOW& version, const wchar_t* folder, int thumbs = 0)
{
    RegisterApplicationFor(version, 1, 0, folder, 0, 0, thumbs, 0, AssociationSelection(), 0);
}

bool Written(HKEY root)
{
    return !ListNames(root, L"", false).empty() || !ListNames(root, L"", true).empty();
}

// HKLM, HKCU and HKCR on which no write can succeed: each points at a volatile
// scratch key (no lasting key can be created below one) opened for reading only
// (no value can be set on it). Wine checks the handle's rights on values, not
// on the parent of a key being created, hence the volatile key as well.
class UnwritableRegistry {
public:
    UnwritableRegistry()
    {
        GUID guid;
        CoCreateGuid(&guid);
        wchar_t name[96];
        swprintf(name, 96, L"Software\\PictomazeTests\\ro-%08lx%04x", guid.Data1, guid.Data2);
        m_root = name;
        const HKEY roots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};
        for (int i = 0; i < 3; ++i) {
            std::wstring path = m_root + L"\\" + std::to_wstring(i);
            HKEY created = nullptr;
            RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                            &created, nullptr);
            RegCloseKey(created);
            RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &m_keys[i]);
        }
        for (int i = 0; i < 3; ++i) RegOverridePredefKey(roots[i], m_keys[i]);
    }
    ~UnwritableRegistry()
    {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) RegOverridePredefKey(root, nullptr);
        for (HKEY key : m_keys) RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_root.c_str());
    }
    bool ready() const { return m_keys[0] && m_keys[1] && m_keys[2]; }

private:
    std::wstring m_root;
    HKEY m_keys[3] = {};
};

}  // namespace

TEST(ClassifyWindowsVersion, FromTheReportedNumbers)
{
    struct Case { DWORD platform, major, minor; bool xp, vista; };
    const Case cases[] = {
        {VER_PLATFORM_WIN32_NT, 4, 0, false, false},  {VER_PLATFORM_WIN32_NT, 5, 0, false, false},
        {VER_PLATFORM_WIN32_NT, 5, 1, true, false},   {VER_PLATFORM_WIN32_NT, 5, 2, true, false},
        {VER_PLATFORM_WIN32_NT, 6, 0, false, true},   {VER_PLATFORM_WIN32_NT, 6, 2, false, true},
        {VER_PLATFORM_WIN32_NT, 10, 0, false, true},  {VER_PLATFORM_WIN32_WINDOWS, 4, 10, false, false},
        {VER_PLATFORM_WIN32_WINDOWS, 6, 1, false, false},
    };
    for (const Case& c : cases) {
        WindowsClasses classes = ClassifyWindowsVersion(Version(c.platform, c.major, c.minor));
        EXPECT_EQ(classes.xp, c.xp) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_EQ(classes.vista, c.vista) << c.platform << " " << c.major << "." << c.minor;
    }
}

TEST(RegisterApplication, UninstallEntryAndFileClass)
{
    for (const OSVERSIONINFOW& version : {kWindows2000, kXP, kSeven}) {
        SCOPED_TRACE(version.dwMinorVersion + 10 * version.dwMajorVersion);
        RegistryRedirect redirect;
        Register(version, L"  D:\\Tools\\Pictomaze  ");

        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClass), L"Pictomaze");
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClass + L"\\shell\\open\\command"),
                  L"\"D:\\Tools\\Pictomaze\\p_maze32.exe\" \"%1\"");
        EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, L"Applications\\p_maze32.exe\\shell\\open\\command"),
                  L"\"D:\\Tools\\Pictomaze\\p_maze32.exe\" \"%1\"");
        EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, L"Applications\\p_maze32.exe", L"FriendlyAppName"), L"Pictomaze 32-bit");

        struct Text { const wchar_t* name; const wchar_t* data; };
        const Text texts[] = {
            {nullptr, L""},
            {L"DisplayName", L"Pictomaze 4.58 (32-bit)"},
            {L"UninstallString", L"\"D:\\Tools\\Pictomaze\\pm_uninstall.exe\""},
            {L"Publisher", L"Orvandel"},
            {L"InstallLocation", L"D:\\Tools\\Pictomaze\\"},
            {L"DisplayVersion", L"4.58"},
            {L"DisplayIcon", L"D:\\Tools\\Pictomaze\\p_maze32.exe,0"},
        };
        for (const Text& t : texts) {
            // ReadText insists on REG_SZ with exactly one terminating zero
            EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstall, t.name), t.data) << (t.name ? t.name : L"(default)");
        }
        struct Number { const wchar_t* name; DWORD value; };
        for (Number n : {Number{L"VersionMajor", 4}, Number{L"VersionMinor", 58}, Number{L"EstimatedSize", 5500}}) {
            auto v = ReadStored(HKEY_LOCAL_MACHINE, kUninstall, n.name);
            ASSERT_TRUE(v.has_value());
            EXPECT_EQ(v->type, static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(v->Number(), n.value);
        }
        EXPECT_EQ(ListNames(HKEY_LOCAL_MACHINE, kUninstall, true).size(), 10u);
    }
}

TEST(RegisterApplication, CapabilitiesAndFolderVerbOnTheVistaClassOnly)
{
    struct Case { OSVERSIONINFOW version; int thumbs; bool capabilities, verb; };
    const Case cases[] = {
        {kXP, 1, false, false}, {kWindows2000, 1, false, false}, {kSeven, 0, true, false}, {kSeven, 1, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version.dwMajorVersion << "." << c.version.dwMinorVersion << " thumbs="
                                        << c.thumbs);
        RegistryRedirect redirect;
        Register(c.version, L"C:\\P\\", c.thumbs);

        EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Pictomaze"), c.capabilities);
        if (c.capabilities) {
            EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Pictomaze\\shell\\open\\command"),
                      L"\"C:\\P\\p_maze32.exe\"");
            EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Pictomaze\\Capabilities", L"ApplicationDescription"),
                      L"Picture viewer, editor and converter - one of the most popular viewers worldwide");
            // filled by the association pass: every extension, nothing chosen
            EXPECT_EQ(ListNames(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Pictomaze\\Capabilities\\FileAssociations", true).size(),
                      84u);
        }
        for (const std::wstring& verb : {kVerb, kDriveVerb}) {
            EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, verb),
                      c.verb ? std::optional<std::wstring>(L"Durchsuchen mit &Pictomaze") : std::nullopt);
            EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, verb + L"\\command"),
                      c.verb ? std::optional<std::wstring>(L"\"C:\\P\\p_maze32.exe\" \"%1\" /thumbs") : std::nullopt);
        }
        // never created, even where the capabilities are written
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\RegisteredApplications"));
    }
}

TEST(RegisterApplication, RegisteredApplicationsOnlyWhereTheListExists)
{
    for (const OSVERSIONINFOW& version : {kXP, kSeven}) {
        RegistryRedirect redirect;
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\RegisteredApplications", &key), ERROR_SUCCESS);
        RegCloseKey(key);
        Register(version, L"C:\\P");
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, L"SOFTWARE\\RegisteredApplications", L"Pictomaze"),
                  version.dwMajorVersion >= 6 ? std::optional<std::wstring>(L"SOFTWARE\\Pictomaze\\Capabilities")
                                              : std::nullopt);
    }
}

TEST(RegisterApplication, FolderForms)
{
    struct Case { const wchar_t* target; const wchar_t* location; };
    const Case cases[] = {
        {L"  C:\\Blank Dir  ", L"C:\\Blank Dir\\"},
        {L"C:\\Trail\\", L"C:\\Trail\\"},  // no second backslash
        {L"E:\\", L"E:\\"},
        {L"\\\\server\\share\\P", L"\\\\server\\share\\P\\"},
    };
    for (const Case& c : cases) {
        RegistryRedirect redirect;
        Register(kSeven, c.target);
        std::wstring location = c.location;
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstall, L"InstallLocation"), location);
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstall, L"UninstallString"), L"\"" + location + L"pm_uninstall.exe\"");
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstall, L"DisplayIcon"), location + L"p_maze32.exe,0");
    }
}

TEST(RegisterApplication, RemovesAnEarlierDefaultIcon)
{
    RegistryRedirect redirect;
    ASSERT_EQ(RegSetValueW(HKEY_LOCAL_MACHINE, (kClass + L"\\DefaultIcon").c_str(), REG_SZ, L"old.ico", 0),
              ERROR_SUCCESS);
    Register(kSeven, L"C:\\P");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kClass + L"\\DefaultIcon"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kClass + L"\\shell\\open\\command"));
}

// The longest folder the install routine lets through is written in full; a
// longer one is never written cut short.
TEST(RegisterApplication, FolderLengthLimit)
{
    const std::wstring base = L"C:\\" + std::wstring(200, L'd') + L"\\";
    for (size_t length : {239u, 240u, 258u}) {
        SCOPED_TRACE(length);
        RegistryRedirect redirect;
        std::wstring folder = base + std::wstring(length - base.size(), L'p');
        Register(kSeven, folder.c_str());
        auto command = ReadText(HKEY_LOCAL_MACHINE, kClass + L"\\shell\\open\\command");
        if (length <= static_cast<size_t>(kMaxTargetFolderChars)) {
            EXPECT_EQ(command, L"\"" + folder + L"\\p_maze32.exe\" \"%1\"");
            EXPECT_EQ(command->size(), 259u);  // the whole 260-character buffer
        } else {
            EXPECT_FALSE(command.has_value());
            EXPECT_FALSE(Written(HKEY_LOCAL_MACHINE));
        }
    }
}

// No write succeeds: the predefined roots point at keys opened for reading only.
TEST(RegisterApplication, InstallSucceedsWithoutRegistryRights)
{
    ScratchFolder scratch;
    InstallOptions options;
    wcscpy(options.targetFolder, scratch.file(L"Target").c_str());
    options.silent = true;
    options.thumbnailsShortcut = 0;
    options.selection.SelectAll();
    options.anySelected = 1;
    wcscpy(options.caption, L"Pictomaze 32-bit Setup");

    UnwritableRegistry unwritable;
    ASSERT_TRUE(unwritable.ready());
    // the fixture holds: neither a key nor a value can be written
    HKEY probe = nullptr;
    EXPECT_NE(RegCreateKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Probe", &probe), ERROR_SUCCESS);
    EXPECT_NE(RegSetValueExW(HKEY_CURRENT_USER, L"Probe", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), 2),
              ERROR_SUCCESS);

    EXPECT_EQ(RegisterApplication(1, 1, L"C:\\P", 0, 0, 1, 0, options.selection, 1), 1);
    int reported = -1;
    EXPECT_EQ(RunInstall(options, &reported), 1);
    EXPECT_EQ(reported, 0);
    EXPECT_FALSE(Written(HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(Written(HKEY_CURRENT_USER));
    EXPECT_FALSE(Written(HKEY_CLASSES_ROOT));
}
