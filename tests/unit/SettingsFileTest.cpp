#include <gtest/gtest.h>

#include <string>

#include "PayloadTestSupport.h"
#include "install/SettingsFile.h"

using namespace payload_test;

namespace {

std::wstring Ini(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    wchar_t value[512] = {};
    GetPrivateProfileStringW(section, key, L"<none>", value, 512, file.c_str());
    return value;
}

void SetIni(const std::wstring& file, const wchar_t* section, const wchar_t* key, const wchar_t* value)
{
    WritePrivateProfileStringW(section, key, value, file.c_str());
}

class EnvironmentVariable {
public:
    EnvironmentVariable(const wchar_t* name, const std::wstring& value) : m_name(name)
    {
        wchar_t old[32768];
        DWORD n = GetEnvironmentVariableW(name, old, 32768);
        m_had = n > 0 && n < 32768;
        if (m_had) m_old = old;
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~EnvironmentVariable() { SetEnvironmentVariableW(m_name.c_str(), m_had ? m_old.c_str() : nullptr); }

private:
    std::wstring m_name, m_old;
    bool m_had = false;
};

const std::string kBom = "\xFF\xFE";
const std::wstring kHeader = L"; UNICODE FILE - edit with care ;-)\r\n\r\n";

}  // namespace

TEST(SettingsFile, SkinFollowsTheScreen)
{
    struct Case {
        int height, scale;
        const wchar_t* skin;
        const wchar_t* size;
    } cases[] = {
        {745, 100, L"Tavrin_16.png", L"16"},            // 1366x768 with a caption
        {767, 100, L"Tavrin_16.png", L"16"},
        {768, 100, L"Kelmoran_24.png", L"24"},
        {1057, 100, L"Kelmoran_24.png", L"24"},         // 1920x1080
        {1200, 100, L"Kelmoran_24.png", L"24"},
        {1201, 100, L"gnome-colors-wise_32.png", L"32"},
        {1599, 100, L"gnome-colors-wise_32.png", L"32"},
        {1600, 100, L"gnome-colors-human_48.png", L"48"},
        {1057, 150, L"gnome-colors-wise_32.png", L"32"},  // 144 dpi
        {1057, 169, L"gnome-colors-wise_32.png", L"32"},
        {1057, 170, L"gnome-colors-human_48.png", L"48"},
        {1057, 175, L"gnome-colors-human_48.png", L"48"}, // 168 dpi
        {700, 150, L"gnome-colors-wise_32.png", L"32"},   // scale wins over a small screen
    };
    for (const Case& c : cases) {
        ToolbarSkin chosen = ChooseToolbarSkin(c.height, c.scale);
        EXPECT_STREQ(chosen.skin, c.skin) << c.height << " " << c.scale;
        EXPECT_STREQ(chosen.size, c.size) << c.height << " " << c.scale;
    }
}

TEST(SettingsFile, IniFolderExpansion)
{
    EnvironmentVariable root(L"PMTEST_ROOT", L"C:\\Cfgroot");
    EnvironmentVariable fit(L"PMTEST_FIT", L"C:\\" + std::wstring(243, L'f'));    // 246: folder\p_maze32.ini is 259
    EnvironmentVariable over(L"PMTEST_OVER", L"C:\\" + std::wstring(244, L'o'));  // one more
    EnvironmentVariable huge(L"PMTEST_HUGE", L"C:\\" + std::wstring(300, L'h'));
    struct Case {
        const wchar_t* folder;
        bool usable;
        std::wstring expanded;
    } cases[] = {
        {L"%PMTEST_ROOT%\\Cfg", true, L"C:\\Cfgroot\\Cfg"},
        {L"%PMTEST_NOSUCHVAR%\\Cfg", true, L"\\Cfg"},
        {L"D:\\Plain Folder", true, L"D:\\Plain Folder"},
        {L"%PMTEST_ROOT", true, L"C:\\Cfgroot"},  // a name may run to the end
        {L"a%%b", true, L"ab"},
        {L"%PMTEST_FIT%", true, L"C:\\" + std::wstring(243, L'f')},
        {L"%PMTEST_OVER%", false, L""},
        {L"%PMTEST_HUGE%\\x", false, L""},
        {L"%PMTEST_NOSUCHVAR%", false, L""},
        {L"   ", false, L""},
    };
    for (const Case& c : cases) {
        wchar_t out[520];
        bool usable = ExpandIniFolder(c.folder, out);
        EXPECT_EQ(usable, c.usable) << std::string(c.folder, c.folder + wcslen(c.folder));
        if (c.usable) {
            EXPECT_EQ(std::wstring(out), c.expanded);
        }
    }
}

class SettingsFileWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The default target folder comes from HKLM: point it into the scratch folder.
        m_scratchKey = L"Software\\PictomazeTests\\Settings" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, m_scratchKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &m_hklm, nullptr),
                  ERROR_SUCCESS);
        HKEY current = nullptr;
        ASSERT_EQ(RegCreateKeyExW(m_hklm, L"Software\\Microsoft\\Windows\\CurrentVersion", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &current, nullptr),
                  ERROR_SUCCESS);
        std::wstring programs = m_scratch.Folder(L"Programs");
        RegSetValueExW(current, L"ProgramFilesDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(programs.c_str()),
                       static_cast<DWORD>((programs.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(current);
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_hklm), ERROR_SUCCESS);
        m_appData = std::make_unique<EnvironmentVariable>(L"APPDATA", m_scratch / L"AppData");
    }
    void TearDown() override
    {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(m_hklm);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_scratchKey.c_str());
    }

    // Runs the writing steps; returns the final file they report.
    std::wstring Write(InstallOptions& options, const std::wstring& target, const std::wstring& iniFolder,
                       bool silent)
    {
        wcscpy(options.targetFolder, target.c_str());
        wcscpy(options.iniFolder, iniFolder.c_str());
        options.silent = silent;
        wchar_t finalFile[260] = {};
        WriteSettingsFile(options, finalFile);
        return finalFile;
    }

    ScratchFolder m_scratch;
    std::wstring m_scratchKey;
    HKEY m_hklm = nullptr;
    std::unique_ptr<EnvironmentVariable> m_appData;
};

TEST_F(SettingsFileWrite, WithoutIniFolderTheProgramFolderHoldsTheSettings)
{
    std::wstring app = m_scratch.Folder(L"App");
    std::wstring file = app + L"\\p_maze32.ini";
    SetIni(file, L"Others", L"INI_Folder", L"C:\\Old");
    SetIni(file, L"Others", L"Keep", L"1");

    InstallOptions options;
    EXPECT_EQ(Write(options, L"  " + app + L"  ", L"", false), file);  // blanks trimmed, backslash added
    EXPECT_EQ(Ini(file, L"Others", L"INI_Folder"), L"<none>");
    EXPECT_EQ(Ini(file, L"Others", L"Keep"), L"1");
    EXPECT_EQ(Ini(file, L"Language", L"DLL"), L"DEUTSCH.DLL");
    EXPECT_EQ(Ini(file, L"Language", L"Lang"), L"Deutsch");
    std::wstring skin = Ini(file, L"Toolbar", L"Skin");
    std::wstring size = Ini(file, L"Toolbar", L"Size");
    EXPECT_NE(skin.find(L"_" + size + L".png"), std::wstring::npos) << skin << " " << size;
}

TEST_F(SettingsFileWrite, IniFolderTakesTheSettingsAndTheProgramFolderThePointer)
{
    EnvironmentVariable cfg(L"PMTEST_CFG", m_scratch / L"Cfg");
    std::wstring app = m_scratch.Folder(L"App");
    std::wstring programFile = app + L"\\p_maze32.ini";
    std::wstring finalFile = m_scratch / L"Cfg\\Sub\\p_maze32.ini";

    InstallOptions options;
    EXPECT_EQ(Write(options, app, L"%PMTEST_CFG%\\Sub", false), finalFile);
    EXPECT_TRUE(FolderExists(m_scratch / L"Cfg\\Sub"));
    EXPECT_EQ(Ini(programFile, L"Others", L"INI_Folder"), L"%PMTEST_CFG%\\Sub");
    EXPECT_EQ(Ini(programFile, L"Language", L"Lang"), L"<none>");
    EXPECT_EQ(Ini(programFile, L"Toolbar", L"Skin"), L"<none>");
    EXPECT_EQ(Ini(finalFile, L"Language", L"DLL"), L"DEUTSCH.DLL");
    EXPECT_EQ(Ini(finalFile, L"Language", L"Lang"), L"Deutsch");
    EXPECT_NE(Ini(finalFile, L"Toolbar", L"Skin"), L"<none>");
    EXPECT_EQ(Ini(finalFile, L"Others", L"INI_Folder"), L"<none>");
}

TEST_F(SettingsFileWrite, AppFolderLayoutGivesTheProgramFolderDefaults)
{
    struct Case {
        const wchar_t* folder;
        bool layout;
    } cases[] = {{L"Pictomaze32_App", true}, {L"Pictomaze64_App", true}, {L"pictomaze32_app", false},
                 {L"Pictomaze_App", false}};
    int n = 0;
    for (const Case& c : cases) {
        std::wstring app = m_scratch.Folder(L"App" + std::to_wstring(++n));
        std::wstring programFile = app + L"\\p_maze32.ini";
        std::wstring iniFolder = m_scratch / (L"Cfg" + std::to_wstring(n) + L"\\" + c.folder);
        InstallOptions options;
        std::wstring finalFile = Write(options, app, iniFolder, false);
        EXPECT_EQ(finalFile, iniFolder + L"\\p_maze32.ini");
        const wchar_t* none = L"<none>";
        EXPECT_EQ(Ini(programFile, L"Language", L"DefaultLang"), c.layout ? L"DEUTSCH.DLL" : none) << n;
        EXPECT_EQ(Ini(programFile, L"Language", L"Lang"), c.layout ? L"Deutsch" : none) << n;
        EXPECT_EQ(Ini(programFile, L"Toolbar", L"Skin"), c.layout ? L"Kelmoran_24.png" : none) << n;
        EXPECT_EQ(Ini(programFile, L"Toolbar", L"Size"), c.layout ? L"24" : none) << n;
        EXPECT_EQ(Ini(finalFile, L"Language", L"DLL"), L"DEUTSCH.DLL") << n;
    }
}

// An earlier installation's file, 8-bit or already converted, keeps its skin
// and every other section; only the language is rewritten.
TEST_F(SettingsFileWrite, ExistingFileKeepsItsSkinAndSections)
{
    for (bool converted : {false, true}) {
        std::wstring app = m_scratch.Folder(converted ? L"Utf16" : L"Ansi");
        std::wstring file = app + L"\\p_maze32.ini";
        SetIni(file, L"Toolbar", L"Skin", L"Custom.png");
        SetIni(file, L"Toolbar", L"Size", L"99");
        SetIni(file, L"Language", L"Lang", L"English");
        SetIni(file, L"Viewer", L"Zoom", L"3");
        if (converted) {
            ASSERT_EQ(ConvertSettingsToUnicode(file.c_str()), 1);
        }

        InstallOptions options;
        EXPECT_EQ(Write(options, app, L"", false), file);
        EXPECT_EQ(Ini(file, L"Toolbar", L"Skin"), L"Custom.png") << converted;
        EXPECT_EQ(Ini(file, L"Toolbar", L"Size"), L"99") << converted;
        EXPECT_EQ(Ini(file, L"Language", L"Lang"), L"Deutsch") << converted;
        EXPECT_EQ(Ini(file, L"Viewer", L"Zoom"), L"3") << converted;
        EXPECT_EQ(ReadAll(file).compare(0, 2, kBom) == 0, converted);
    }
}

TEST_F(SettingsFileWrite, SilentInstallBelowTheDefaultFolderUsesApplicationData)
{
    std::wstring defaultTarget = m_scratch.Folder(L"Programs\\Pictomaze");
    std::wstring other = m_scratch.Folder(L"Other");
    struct Case {
        const char* what;
        std::wstring target;
        std::wstring iniFolder;
        bool silent;
        std::wstring expectedIni;
    } cases[] = {
        {"silent, default folder", defaultTarget, L"", true, L"%APPDATA%\\Pictomaze"},
        {"silent, below it", m_scratch.Folder(L"Programs\\Pictomaze\\Sub"), L"", true, L"%APPDATA%\\Pictomaze"},
        {"silent, other folder", other, L"", true, L""},
        {"wizard, default folder", defaultTarget, L"", false, L""},
        {"silent, own INI folder", defaultTarget, m_scratch / L"Own", true, m_scratch / L"Own"},
    };
    for (const Case& c : cases) {
        std::wstring programFile = c.target + L"\\p_maze32.ini";
        DeleteFileW(programFile.c_str());
        InstallOptions options;
        std::wstring finalFile = Write(options, c.target, c.iniFolder, c.silent);
        EXPECT_EQ(std::wstring(options.iniFolder), c.expectedIni) << c.what;
        if (c.expectedIni == L"%APPDATA%\\Pictomaze") {
            EXPECT_EQ(finalFile, m_scratch / L"AppData\\Pictomaze\\p_maze32.ini") << c.what;
            EXPECT_EQ(Ini(programFile, L"Others", L"INI_Folder"), L"%APPDATA%\\Pictomaze") << c.what;
            EXPECT_EQ(Ini(finalFile, L"Language", L"Lang"), L"Deutsch") << c.what;
        } else if (c.expectedIni.empty()) {
            EXPECT_EQ(finalFile, programFile) << c.what;
            EXPECT_EQ(Ini(programFile, L"Others", L"INI_Folder"), L"<none>") << c.what;
        }
    }
}

// An INI folder whose expansion is empty or would not fit a path counts as
// empty: the settings stay in the program folder, never in a cut path.
TEST_F(SettingsFileWrite, UnusableExpansionKeepsTheSettingsInTheProgramFolder)
{
    EnvironmentVariable over(L"PMTEST_OVER", L"C:\\" + std::wstring(244, L'o'));
    for (const wchar_t* iniFolder : {L"%PMTEST_OVER%", L"%PMTEST_NOSUCHVAR%"}) {
        std::wstring app = m_scratch.Folder(L"App");
        std::wstring file = app + L"\\p_maze32.ini";
        SetIni(file, L"Others", L"INI_Folder", L"C:\\Old");
        InstallOptions options;
        EXPECT_EQ(Write(options, app, iniFolder, false), file);
        EXPECT_EQ(Ini(file, L"Others", L"INI_Folder"), L"<none>");
        EXPECT_EQ(Ini(file, L"Language", L"DLL"), L"DEUTSCH.DLL");
    }
}

TEST(SettingsFileConversion, ConvertsOnceToUtf16WithHeader)
{
    if (GetACP() != 1252) GTEST_SKIP() << "the sample text is code page 1252";
    ScratchFolder scratch;
    std::wstring file = scratch / L"p_maze32.ini";
    std::string longValue(5000, 'x');  // longer than any read piece
    std::string ansi = "[Language]\r\nLang=Deutsch\r\n[Viewer]\nTitle=Gr\xF6\xDF" "e\n[Long]\r\nValue=" + longValue +
                       "\r\n";
    ASSERT_TRUE(WriteAll(file, ansi));

    EXPECT_NE(ConvertSettingsToUnicode(file.c_str()), 0);
    std::wstring text = L"[Language]\r\nLang=Deutsch\r\n[Viewer]\nTitle=Gr\u00F6\u00DFe\n[Long]\r\nValue=" +
                        std::wstring(longValue.begin(), longValue.end()) + L"\r\n";
    std::string expected = kBom + Utf16Bytes(kHeader + text);
    EXPECT_EQ(ReadAll(file), expected);
    EXPECT_FALSE(FileExists(scratch / L"p_maze32.ini_temp"));

    EXPECT_NE(ConvertSettingsToUnicode(file.c_str()), 0);
    EXPECT_EQ(ReadAll(file), expected);

    // The profile functions keep a converted file in UTF-16, header line included.
    SetIni(file, L"Viewer", L"Zoom", L"2");
    std::string headerLine = kBom + Utf16Bytes(L"; UNICODE FILE - edit with care ;-)\r\n");
    EXPECT_EQ(ReadAll(file).compare(0, headerLine.size(), headerLine), 0);
    EXPECT_EQ(Ini(file, L"Viewer", L"Zoom"), L"2");
    EXPECT_EQ(Ini(file, L"Viewer", L"Title"), L"Gr\u00F6\u00DFe");
}

TEST(SettingsFileConversion, NothingToConvertOrNoRoomForTheCopy)
{
    ScratchFolder scratch;
    std::wstring file = scratch / L"p_maze32.ini";

    EXPECT_NE(ConvertSettingsToUnicode(file.c_str()), 0);  // no file
    EXPECT_FALSE(FileExists(file));

    ASSERT_TRUE(WriteAll(file, ""));
    EXPECT_NE(ConvertSettingsToUnicode(file.c_str()), 0);
    EXPECT_EQ(ReadAll(file), "");
    EXPECT_FALSE(FileExists(scratch / L"p_maze32.ini_temp"));

    // A folder in the way of the temporary file: the settings stay 8-bit.
    ASSERT_TRUE(WriteAll(file, "[Language]\r\nLang=Deutsch\r\n"));
    scratch.Folder(L"p_maze32.ini_temp");
    EXPECT_NE(ConvertSettingsToUnicode(file.c_str()), 0);
    EXPECT_EQ(ReadAll(file), "[Language]\r\nLang=Deutsch\r\n");
}
