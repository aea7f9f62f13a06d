#include <gtest/gtest.h>

#include <shlobj.h>

#include <set>
#include <string>

#include "RegistrationReadBack.h"
#include "TestSupport.h"
#include "integration/AssociationWriter.h"

namespace {

const std::wstring kClasses = L"SOFTWARE\\Classes\\";
const std::wstring kFileExts = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
const std::wstring kCapabilities = L"SOFTWARE\\Pictomaze\\Capabilities\\FileAssociations";
const wchar_t* kExe = L"C:\\Tools\\Pictomaze\\p_maze32.exe";
const wchar_t* kOpen = L"\"C:\\Tools\\Pictomaze\\p_maze32.exe\" \"%1\"";

enum class Windows { Older, XP, Vista };

void CreateCapabilitiesKey()
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_LOCAL_MACHINE, kCapabilities.c_str(), &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

void Pass(Windows windows, const AssociationSelection& selection, int confirmed = 1, int allUsers = 0)
{
    int any = 0;
    for (int i = 0; i < kGroupCount; ++i) any |= selection.IsSelected(i) ? 1 : 0;
    RunAssociationPass(confirmed, any, selection, allUsers, windows == Windows::XP, windows == Windows::Vista, kOpen,
                       kExe);
}

AssociationSelection Only(std::initializer_list<int> groups)
{
    AssociationSelection s;
    for (int g : groups) s.flags[g] = 1;
    return s;
}

bool Written(HKEY root)
{
    return !ListNames(root, L"", false).empty() || !ListNames(root, L"", true).empty();
}

// Counts the shell's association-changed notifications that reach a window of
// this thread. (Wine does not broadcast the icon reload, so it is not counted.)
class ShellAnnouncements {
public:
    ShellAnnouncements()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PictomazeTestAnnouncements";
        RegisterClassW(&wc);
        s_self = this;
        m_window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance,
                                   nullptr);
        SHChangeNotifyEntry entry = {nullptr, TRUE};  // no item: every event of the mask
        m_registration = SHChangeNotifyRegister(m_window, SHCNRF_ShellLevel | SHCNRF_InterruptLevel,
                                                SHCNE_ASSOCCHANGED, kMessage, 1, &entry);
    }
    ~ShellAnnouncements()
    {
        if (m_registration) SHChangeNotifyDeregister(m_registration);
        DestroyWindow(m_window);
        s_self = nullptr;
    }
    bool registered() const { return m_window && m_registration; }
    int associationChanges()
    {
        Pump();
        return m_assocChanged;
    }

private:
    static constexpr UINT kMessage = WM_APP + 17;
    static ShellAnnouncements* s_self;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (s_self && msg == kMessage && (static_cast<LONG>(lp) & SHCNE_ASSOCCHANGED)) ++s_self->m_assocChanged;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    void Pump()
    {
        MSG msg;
        for (int round = 0; round < 5; ++round) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(10);
        }
    }

    HWND m_window = nullptr;
    ULONG m_registration = 0;
    int m_assocChanged = 0;
};
ShellAnnouncements* ShellAnnouncements::s_self = nullptr;

}  // namespace

// The rows of one extension, per Windows class, group flag and all-users choice.
TEST(AssociateExtension, RowsPerWindowsClass)
{
    struct Case {
        Windows windows; const wchar_t* ext; int selected; int allUsers;
        bool explorerRows, machineDefault, capability, userChoice;
    };
    const Case cases[] = {
        {Windows::XP, L"jpeg", 1, 0, true, false, false, false},
        {Windows::XP, L"jpeg", 1, 1, true, true, false, false},
        {Windows::XP, L"jpg", 1, 0, true, false, false, false},  // no forcing on XP
        {Windows::Vista, L"jpeg", 1, 0, false, true, true, true},
        {Windows::Vista, L"jpeg", 0, 0, false, false, true, false},
        {Windows::Vista, L"jpeg", 0, 1, false, false, true, false},  // all users is an XP choice
        {Windows::Vista, L"jpg", 0, 0, false, true, true, false},
        {Windows::Vista, L"JPG", 0, 0, false, true, true, false},
        {Windows::Vista, L"Png", 0, 0, false, true, true, false},
        {Windows::Vista, L"tif", 0, 0, false, true, true, false},
        {Windows::Vista, L"tiff", 0, 0, false, false, true, false},
        {Windows::Vista, L"jpe", 0, 0, false, false, true, false},
        {Windows::Older, L"jpeg", 1, 0, false, true, false, false},
        {Windows::Older, L"jpeg", 1, 1, false, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.windows) << " " << std::string(c.ext, c.ext + wcslen(c.ext))
                                        << " selected=" << c.selected << " allUsers=" << c.allUsers);
        RegistryRedirect redirect;
        CreateCapabilitiesKey();
        AssociateExtension(c.ext, L"jpg", kOpen, L"C:\\icon.exe,0", c.windows == Windows::XP,
                           c.windows == Windows::Vista, c.allUsers, c.selected);

        const std::wstring explorer = kFileExts + L"." + c.ext;
        EXPECT_EQ(ReadText(HKEY_CURRENT_USER, explorer), c.explorerRows ? std::optional<std::wstring>(L"") : std::nullopt);
        EXPECT_EQ(ReadText(HKEY_CURRENT_USER, explorer, L"ProgID"),
                  c.explorerRows ? std::optional<std::wstring>(L"Pictomaze.jpg") : std::nullopt);
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"." + c.ext),
                  c.machineDefault ? std::optional<std::wstring>(L"Pictomaze.jpg") : std::nullopt);
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kCapabilities, (L"." + std::wstring(c.ext)).c_str()),
                  c.capability ? std::optional<std::wstring>(L"Pictomaze.jpg") : std::nullopt);
        EXPECT_EQ(ReadText(HKEY_CURRENT_USER, explorer + L"\\UserChoice", L"Progid"),
                  c.userChoice ? std::optional<std::wstring>(L"Pictomaze.jpg") : std::nullopt);
        if (c.userChoice) {
            // the value names keep their case as written: "ProgID" on XP, "Progid" here
            EXPECT_EQ(ListNames(HKEY_CURRENT_USER, explorer + L"\\UserChoice", true),
                      std::vector<std::wstring>{L"Progid"});
        }
        if (c.explorerRows) {
            auto names = ListNames(HKEY_CURRENT_USER, explorer, true);
            EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()), (std::set<std::wstring>{L"", L"ProgID"}));
        }

        // the class itself, always
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"Pictomaze.jpg"), L"Pictomaze JPG File");
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"Pictomaze.jpg\\shell\\open\\command"), kOpen);
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"Pictomaze.jpg\\DefaultIcon"), L"C:\\icon.exe,0");
    }
}

TEST(AssociateExtension, CapabilityNeedsTheKeyAndNeverCreatesIt)
{
    RegistryRedirect redirect;
    AssociateExtension(L"png", L"png", kOpen, L"x", false, true, 0, 1);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kCapabilities));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Pictomaze"));
    // the rest of the extension's rows do not depend on it
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kFileExts + L".png\\UserChoice", L"Progid"), L"Pictomaze.png");
}

TEST(AssociateExtension, UserChoiceIsReplacedNotMerged)
{
    RegistryRedirect redirect;
    const std::wstring choice = kFileExts + L".gif\\UserChoice";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, choice.c_str(), &key), ERROR_SUCCESS);
    RegSetValueExW(key, L"Hash", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"abc"), 8);
    RegSetValueExW(key, L"Progid", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"Other.gif"), 20);
    RegCloseKey(key);

    AssociateExtension(L"gif", L"gif", kOpen, L"x", false, true, 0, 1);
    EXPECT_EQ(ListNames(HKEY_CURRENT_USER, choice, true), std::vector<std::wstring>{L"Progid"});
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, choice, L"Progid"), L"Pictomaze.gif");
}

TEST(RunAssociationPass, VistaWithNothingSelectedRegistersEveryExtensionAndBindsThreeOnly)
{
    RegistryRedirect redirect;
    CreateCapabilitiesKey();
    ShellAnnouncements announcements;
    ASSERT_TRUE(announcements.registered());
    Pass(Windows::Vista, AssociationSelection());

    auto capabilities = ListNames(HKEY_LOCAL_MACHINE, kCapabilities, true);
    EXPECT_EQ(capabilities.size(), 84u);
    std::set<std::wstring> classes;
    for (int g = 0; g < kGroupCount; ++g) {
        const FileTypeGroup& group = GetFileTypeGroup(g);
        for (int e = 0; e < group.extensionCount; ++e) {
            std::wstring cls = std::wstring(L"Pictomaze.") + group.extensions[e].classExtension;
            classes.insert(cls);
            EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kCapabilities, (L"." + std::wstring(group.extensions[e].extension)).c_str()), cls);
            EXPECT_TRUE(ReadText(HKEY_LOCAL_MACHINE, kClasses + cls + L"\\shell\\open\\command").has_value());
        }
    }
    EXPECT_EQ(classes.size(), 67u);

    std::set<std::wstring> bound;
    for (const std::wstring& key : ListNames(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes", false)) {
        if (key[0] == L'.') bound.insert(key);
    }
    EXPECT_EQ(bound, (std::set<std::wstring>{L".jpg", L".png", L".tif"}));
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L".tif"), L"Pictomaze.tif");
    EXPECT_FALSE(Written(HKEY_CURRENT_USER));  // no user choice, no Open With keys
    EXPECT_EQ(announcements.associationChanges(), 0);
}

TEST(RunAssociationPass, XpWithTheJpegGroup)
{
    for (int allUsers : {0, 1}) {
        SCOPED_TRACE(allUsers);
        RegistryRedirect redirect;
        ShellAnnouncements announcements;
        Pass(Windows::XP, Only({23}), 1, allUsers);

        for (const wchar_t* ext : {L".jpg", L".jpeg", L".jpe"}) {
            EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kFileExts + ext, L"ProgID"), L"Pictomaze.jpg");
            EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + ext),
                      allUsers ? std::optional<std::wstring>(L"Pictomaze.jpg") : std::nullopt);
        }
        auto explorerKeys = ListNames(HKEY_CURRENT_USER, kFileExts, false);
        EXPECT_EQ(explorerKeys.size(), 3u);
        std::set<std::wstring> classKeys;
        for (const std::wstring& key : ListNames(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes", false)) {
            if (key[0] != L'.') classKeys.insert(key);
        }
        EXPECT_EQ(classKeys, std::set<std::wstring>{L"Pictomaze.jpg"});
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"Pictomaze.jpg"), L"Pictomaze JPG File");
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Pictomaze"));
        EXPECT_EQ(announcements.associationChanges(), 1);
    }
}

TEST(RunAssociationPass, VistaWithTheMpegGroup)
{
    RegistryRedirect redirect;
    CreateCapabilitiesKey();
    ShellAnnouncements announcements;
    Pass(Windows::Vista, Only({51}));

    struct Row { const wchar_t* ext; const wchar_t* cls; };
    for (Row r : {Row{L"mpg", L"Pictomaze.mpg"}, Row{L"mpe", L"Pictomaze.mpe"}, Row{L"mpeg", L"Pictomaze.mpg"}}) {
        EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kFileExts + L"." + r.ext + L"\\UserChoice", L"Progid"), r.cls);
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"." + r.ext), r.cls);
    }
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"Pictomaze.mpe"), L"Pictomaze MPE File");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"Pictomaze.mpg\\DefaultIcon"),
              L"C:\\Tools\\Pictomaze\\p_maze32.exe,9");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"Pictomaze.mp3\\DefaultIcon"),
              L"C:\\Tools\\Pictomaze\\p_maze32.exe,8");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + L"Pictomaze.swf\\DefaultIcon"),
              L"C:\\Tools\\Pictomaze\\p_maze32.exe,0");
    for (const wchar_t* cls : {L"Pictomaze.ani", L"Pictomaze.cur", L"Pictomaze.ico"}) {
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kClasses + cls + L"\\DefaultIcon"), L"%1");
    }
    // only the chosen group's extensions get a user choice
    EXPECT_EQ(ListNames(HKEY_CURRENT_USER, kFileExts, false).size(), 3u);
    EXPECT_EQ(announcements.associationChanges(), 1);
}

// A declined question: nothing chosen, nothing announced.
TEST(RunAssociationPass, DeclinedQuestion)
{
    {
        RegistryRedirect redirect;
        ShellAnnouncements announcements;
        AssociationSelection images;
        images.SelectImages();
        Pass(Windows::XP, images, 0);
        EXPECT_FALSE(Written(HKEY_LOCAL_MACHINE));
        EXPECT_FALSE(Written(HKEY_CURRENT_USER));
        EXPECT_EQ(announcements.associationChanges(), 0);
    }
    {
        RegistryRedirect redirect;
        CreateCapabilitiesKey();
        ShellAnnouncements announcements;
        AssociationSelection all;
        all.SelectAll();
        Pass(Windows::Vista, all, 0);
        EXPECT_FALSE(Written(HKEY_CURRENT_USER));
        std::set<std::wstring> bound;
        for (const std::wstring& key : ListNames(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes", false)) {
            if (key[0] == L'.') bound.insert(key);
        }
        EXPECT_EQ(bound, (std::set<std::wstring>{L".jpg", L".png", L".tif"}));
        EXPECT_EQ(ListNames(HKEY_LOCAL_MACHINE, kCapabilities, true).size(), 84u);
        EXPECT_EQ(announcements.associationChanges(), 0);
    }
}

TEST(SetAppxNoOpenWith, FiveClassesWithAnEmptyValue)
{
    RegistryRedirect redirect;
    // one of them exists already with a value of its own, which stays
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\Classes\\AppX43hnxtbyyps62jhe9sqpdzxn1790zetc", &key),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Other", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"1"), 4);
    RegCloseKey(key);

    SetAppxNoOpenWith();
    auto classes = ListNames(HKEY_CURRENT_USER, L"SOFTWARE\\Classes", false);
    EXPECT_EQ(std::set<std::wstring>(classes.begin(), classes.end()),
              (std::set<std::wstring>{L"AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg", L"AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
                                      L"AppX43hnxtbyyps62jhe9sqpdzxn1790zetc", L"AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
                                      L"AppX6eg8h5sxqq90pv53845wmnbewywdqq5h"}));
    for (const std::wstring& cls : classes) {
        auto value = ReadStored(HKEY_CURRENT_USER, L"SOFTWARE\\Classes\\" + cls, L"NoOpenWith");
        ASSERT_TRUE(value.has_value()) << cls.size();
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(value->bytes.size(), 2u);  // the terminating zero alone
    }
    EXPECT_TRUE(ReadText(HKEY_CURRENT_USER, L"SOFTWARE\\Classes\\AppX43hnxtbyyps62jhe9sqpdzxn1790zetc", L"Other"));
    EXPECT_FALSE(Written(HKEY_LOCAL_MACHINE));
}

TEST(BuildIconReference, OwnFileOrAnIconOfTheViewer)
{
    wchar_t out[260];
    EXPECT_TRUE(BuildIconReference(kIconOwnFile, kExe, out, 260));
    EXPECT_STREQ(out, L"%1");
    EXPECT_TRUE(BuildIconReference(9, kExe, out, 260));
    EXPECT_STREQ(out, L"C:\\Tools\\Pictomaze\\p_maze32.exe,9");
    // never cut short
    EXPECT_FALSE(BuildIconReference(0, kExe, out, 32));
    EXPECT_STREQ(out, L"");
}
