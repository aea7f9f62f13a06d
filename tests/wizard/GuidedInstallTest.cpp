// Whole guided installs, one per test, as a user would click through them.
// Each runs in a prefix of its own that reports the Windows version named in
// the test (set by guided_install.py, which afterwards compares what the
// install left on disk and in the registry with a silent install).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GuidedSupport.h"
#include "SetupDriver.h"
#include "integration/FileTypeCatalogue.h"
#include "resources/WizardControls.h"

namespace {

constexpr DWORD kInstallWaitMs = 300000;
constexpr COLORREF kLockedBack = RGB(192, 192, 192);
constexpr COLORREF kLockedText = RGB(255, 128, 0);

const wchar_t* const kConfirmAssociations =
    L"Sie m\u00f6chten die aktuellen Verkn\u00fcpfungen \u00e4ndern und einen oder mehrere Dateitypen mit Pictomaze "
    L"verkn\u00fcpfen!\n\nSind Sie sicher!?";
const wchar_t* const kViewerRunning =
    L"Warnung: Pictomaze l\u00e4uft!\nBeenden Sie bitte Pictomaze bevor Sie mit der Installation fortsetzen!";
const wchar_t* const kCannotCreate =
    L"Kann Zielverzeichnis nicht erstellen!\n\nBitte \u00fcberpr\u00fcfen Sie Ihre Schreibrechte und "
    L"System-Policies!\n\nVersuchen Sie das Zielverzeichnis zuerst h\u00e4ndisch zu erstellen.";

const int kListButtons[] = {IDC_ASSOC_IMAGES, IDC_ASSOC_ALL, IDC_ASSOC_NONE};

std::wstring Rows(int first, int last)
{
    std::wstring rows;
    for (int row = first; row <= last; ++row) rows += (rows.empty() ? L"" : L" ") + std::to_wstring(row);
    return rows;
}

// The colours a list view of this system starts with: what an unlocked list shows.
struct ListColours {
    COLORREF back;
    COLORREF text;
};
ListColours FreshListColours()
{
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ListColours colours = {ListView_GetBkColor(list), ListView_GetTextColor(list)};
    DestroyWindow(list);
    return colours;
}

int ScreenDpi()
{
    HDC dc = GetDC(nullptr);
    int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return dpi;
}

// The welcome page's choices, to see them kept.
struct WelcomeChoices {
    std::wstring folder;
    bool desktop, thumbs, group, currentUser, allUsers, scopeEnabled;
    bool operator==(const WelcomeChoices& o) const
    {
        return folder == o.folder && desktop == o.desktop && thumbs == o.thumbs && group == o.group &&
               currentUser == o.currentUser && allUsers == o.allUsers && scopeEnabled == o.scopeEnabled;
    }
};
void PrintTo(const WelcomeChoices& c, std::ostream* os)
{
    *os << testing::PrintToString(c.folder) << " desktop=" << c.desktop << " thumbs=" << c.thumbs
        << " group=" << c.group << " current=" << c.currentUser << " all=" << c.allUsers
        << " scopeEnabled=" << c.scopeEnabled;
}

// The rows checked on the list, once the setup has caught up with the clicks.
void ExpectRows(const RemoteList& list, const std::wstring& rows)
{
    WaitFor([&] { return list.CheckedRows() == rows; }, 5000);
    EXPECT_EQ(list.CheckedRows(), rows);
}

// Screen pixels of a window once they satisfy `drawn`, or after a while.
ScreenPixels PixelsOnceDrawn(HWND window, const std::function<bool(const ScreenPixels&)>& drawn)
{
    WaitFor([&] { return drawn(ScreenPixels(ScreenRect(window))); }, 5000);
    return ScreenPixels(ScreenRect(window));
}

std::wstring Lower(std::wstring text)
{
    CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

class GuidedInstall : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_setup.Started()) << "PICTOMAZE_SETUP must name the setup";
        ASSERT_TRUE(m_setup.WaitForSheet());
        ASSERT_TRUE(m_setup.WaitForPage(0));
        ASSERT_EQ(m_setup.FindMessageBox(), nullptr);
    }
    void TearDown() override
    {
        while (HWND viewer = FindWindowW(L"Pictomaze", nullptr)) {
            PostMessageW(viewer, WM_CLOSE, 0, 0);
            if (!WaitFor([&] { return !IsWindow(viewer); }, 5000)) break;
        }
    }

    HWND Item(int page, int id) const { return m_setup.Item(page, id); }
    HWND Frame(int id) const { return m_setup.SheetItem(id); }

    // Next, and the page it leads to, with no message on the way.
    bool NextTo(int page)
    {
        m_setup.PressNext();
        HWND box = nullptr;
        bool done = WaitFor([&] { return m_setup.ActivePage() == page || (box = m_setup.FindMessageBox()); },
                            kInstallWaitMs);
        if (box) ADD_FAILURE() << "message on the way to page " << page << ": " << testing::PrintToString(MessageText(box));
        return done && !box && m_setup.ActivePage() == page;
    }
    bool BackTo(int page)
    {
        m_setup.PressBack();
        return m_setup.WaitForPage(page);
    }
    // Next on the ready page; the message box the install or the page shows.
    HWND NextToMessage()
    {
        m_setup.PressNext();
        return m_setup.WaitForMessageBox(kInstallWaitMs);
    }
    void Close(HWND box, int button)
    {
        Answer(box, button);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    }
    void ClickAndWait(int page, int id, bool checkedAfter)
    {
        Click(Item(page, id));
        EXPECT_TRUE(WaitFor([&] { return IsChecked(Item(page, id)) == checkedAfter; })) << id;
        m_setup.WaitForIdle();
    }
    void ClickButton(int page, int id)
    {
        Click(Item(page, id));
        m_setup.WaitForIdle();
    }

    WelcomeChoices Welcome() const
    {
        return {TextOf(Item(0, IDC_TARGET_FOLDER)),
                IsChecked(Item(0, IDC_DESKTOP_SHORTCUT)),
                IsChecked(Item(0, IDC_THUMBS_SHORTCUT)),
                IsChecked(Item(0, IDC_PROGRAM_GROUP)),
                IsChecked(Item(0, IDC_CURRENT_USER)),
                IsChecked(Item(0, IDC_ALL_USERS)),
                IsWindowEnabled(Item(0, IDC_ALL_USERS)) != FALSE};
    }

    // The association list as it is first shown: every catalogue group in
    // order, unchecked, locked in grey and orange with its buttons.
    void ExpectFirstDisplay(bool xp)
    {
        SCOPED_TRACE("association page, first display");
        EXPECT_EQ(IsWindowVisible(Item(2, IDC_ASSOC_ALL_USERS)) != FALSE, xp) << "1037 only on the XP class";
        EXPECT_FALSE(IsChecked(Item(2, IDC_ASSOC_ALL_USERS)));
        EXPECT_FALSE(IsChecked(Item(2, IDC_ASSOC_WRITE)));

        RemoteList list(Item(2, IDC_ASSOC_LIST));
        ASSERT_EQ(list.Rows(), kGroupCount);
        for (int row = 0; row < kGroupCount; ++row) {
            EXPECT_EQ(list.Text(row, 0), GetFileTypeGroup(row).listText) << row;
            EXPECT_EQ(list.Text(row, 1), GetFileTypeGroup(row).description) << row;
        }
        for (int row = 0; row < kGroupCount; ++row) EXPECT_EQ(list.StateImage(row), 1) << row;
        EXPECT_EQ(list.ExtendedStyle(), static_cast<DWORD>(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT));

        const RECT outer = ScreenRect(list.hwnd());
        const int width = outer.right - outer.left;
        EXPECT_EQ(list.ColumnWidth(0), width / 3);
        EXPECT_EQ(list.ColumnWidth(1), 2 * width / 3 - MulDiv(25, ScreenDpi(), 96));
        ExpectLocked(list);
    }

    void ExpectLocked(const RemoteList& list)
    {
        EXPECT_FALSE(IsWindowEnabled(list.hwnd()));
        EXPECT_EQ(list.BackColour(), kLockedBack);
        EXPECT_EQ(list.TextColour(), kLockedText);
        for (int id : kListButtons) EXPECT_FALSE(IsWindowEnabled(Item(2, id))) << id;
        auto grey = [](const ScreenPixels& p) {
            return p.Count(kLockedBack) > p.Width() * p.Height() / 2 && p.Count(kLockedText) > 0;
        };
        ScreenPixels pixels = PixelsOnceDrawn(list.hwnd(), grey);
        EXPECT_GT(pixels.Count(kLockedBack), pixels.Width() * pixels.Height() / 2) << "grey on the screen";
        EXPECT_GT(pixels.Count(kLockedText), 0) << "orange text on the screen";
    }

    void ExpectUnlocked(const RemoteList& list)
    {
        const ListColours fresh = FreshListColours();
        EXPECT_TRUE(IsWindowEnabled(list.hwnd()));
        EXPECT_EQ(list.BackColour(), fresh.back);
        EXPECT_EQ(list.TextColour(), fresh.text);
        for (int id : kListButtons) EXPECT_TRUE(IsWindowEnabled(Item(2, id))) << id;
        auto plain = [](const ScreenPixels& p) {
            return p.Count(kLockedText) == 0 && p.Count(kLockedBack) < p.Width() * p.Height() / 10;
        };
        ScreenPixels pixels = PixelsOnceDrawn(list.hwnd(), plain);
        EXPECT_EQ(pixels.Count(kLockedText), 0);
        EXPECT_LT(pixels.Count(kLockedBack), pixels.Width() * pixels.Height() / 10);
    }

    void ExpectReadyPage(const std::wstring& folder, bool xp)
    {
        SCOPED_TRACE("ready page");
        EXPECT_EQ(TextOf(Item(3, IDC_TARGET_LINE)), L"Zielverzeichnis: " + folder);
        EXPECT_EQ(IsChecked(Item(3, IDC_INI_PROGRAM_FOLDER)), xp);
        EXPECT_EQ(IsChecked(Item(3, IDC_INI_APPDATA)), !xp);
    }

    // While the association question is open the install is under way: the
    // notice is up in red and the wizard's buttons are disabled.
    void ExpectQuestionDuringInstall(HWND box)
    {
        SCOPED_TRACE("association question");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageText(box), kConfirmAssociations);
        EXPECT_EQ(DefaultButton(box), IDNO) << "No is the default";
        EXPECT_EQ(m_setup.ActivePage(), 3);
        for (int id : {IDC_WIZARD_BACK, IDC_WIZARD_NEXT, IDCANCEL}) EXPECT_FALSE(IsWindowEnabled(Frame(id))) << id;
        ExpectNotice();
    }

    void ExpectNotice()
    {
        HWND notice = Item(3, IDC_INSTALLING);
        EXPECT_TRUE(IsWindowVisible(notice));
        EXPECT_EQ(TextOf(notice), L"Installiere ... bitte warten ...");
        RedText red = {0, 0};
        WaitFor([&] { return (red = RedTextOf(notice)).pixels > 100; }, 5000);
        EXPECT_GT(red.pixels, 100) << "drawn in red";
        // Capitals and "l" of 18-pixel Arial stand 11 pixels high, those of the dialog's 8-point font 8.
        EXPECT_GE(red.height, MulDiv(10, ScreenDpi(), 96)) << "in the large font";
    }

    void ExpectFinishPage()
    {
        SCOPED_TRACE("finish page");
        EXPECT_TRUE(IsChecked(Item(4, IDC_SHOW_FAQ)));
        EXPECT_TRUE(IsChecked(Item(4, IDC_START_VIEWER)));
        EXPECT_EQ(TextOf(Frame(IDCANCEL)), L"&Fertig stellen");
        EXPECT_FALSE(IsWindowEnabled(Frame(IDC_WIZARD_BACK)));
        EXPECT_FALSE(IsWindowEnabled(Frame(IDC_WIZARD_NEXT)));
        EXPECT_TRUE(IsWindowEnabled(Frame(IDCANCEL)));
    }

    // The finish button with both boxes cleared: the wizard ends at once,
    // with no question and nothing started.
    void FinishWithNothing()
    {
        SetChecked(Item(4, IDC_SHOW_FAQ), false);
        SetChecked(Item(4, IDC_START_VIEWER), false);
        Click(Frame(IDCANCEL));
        bool asked = false;
        EXPECT_TRUE(WaitFor([&] {
            asked = asked || m_setup.FindMessageBox() != nullptr;
            return m_setup.HasExited();
        }));
        EXPECT_FALSE(asked);
        EXPECT_EQ(FindWindowW(L"Pictomaze", nullptr), nullptr);
    }

    SetupProcess m_setup;
};

}  // namespace

// Windows XP, defaults, associations left locked (after ticking every row):
// no question, the settings beside the program.
TEST_F(GuidedInstall, XpAssociationsLocked)
{
    const std::wstring folder = GuidedFolder();
    SetText(Item(0, IDC_TARGET_FOLDER), folder + L"   ");
    ASSERT_TRUE(NextTo(1));

    {
        SCOPED_TRACE("release notes");
        HMODULE setupFile = LoadLibraryExW(SetupExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        HRSRC resource = FindResourceW(setupFile, MAKEINTRESOURCEW(217), L"TXT");
        ASSERT_NE(resource, nullptr);
        std::wstring notes(static_cast<const wchar_t*>(LockResource(LoadResource(setupFile, resource))),
                           SizeofResource(setupFile, resource) / sizeof(wchar_t));
        FreeLibrary(setupFile);
        const std::wstring shown = TextOf(Item(1, IDC_RELEASE_NOTES));
        ASSERT_GT(shown.size(), 100u);
        EXPECT_EQ(shown.substr(0, 40), notes.substr(0, 40)) << "from the byte order mark on";
        EXPECT_EQ(shown[0], L'\uFEFF');
        EXPECT_EQ(shown, notes.substr(0, shown.size()));
        EXPECT_TRUE(IsCharAlphaNumericW(shown.back()));
        for (wchar_t c : notes.substr(shown.size())) EXPECT_FALSE(IsCharAlphaNumericW(c)) << "only the end is stripped";
    }

    ASSERT_TRUE(NextTo(2));
    ExpectFirstDisplay(true);

    // Rows ticked and then locked away again count for nothing.
    RemoteList list(Item(2, IDC_ASSOC_LIST));
    ClickAndWait(2, IDC_ASSOC_WRITE, true);
    ClickButton(2, IDC_ASSOC_ALL);
    ExpectRows(list, Rows(0, 60));
    ClickAndWait(2, IDC_ASSOC_WRITE, false);
    ExpectLocked(list);
    ExpectRows(list, Rows(0, 60));
    ASSERT_TRUE(NextTo(3));
    ExpectReadyPage(folder, true);
    EXPECT_FALSE(IsWindowVisible(Item(3, IDC_INSTALLING)));

    ASSERT_TRUE(NextTo(4)) << "nothing chosen, nothing asked";
    ExpectFinishPage();
    FinishWithNothing();
}

// Windows XP: "Alle markieren" then "Nur Bilder", for all users (1037), kept
// across Back and Next; the question answered Yes.
TEST_F(GuidedInstall, XpImagesForAllUsers)
{
    const std::wstring folder = GuidedFolder();
    SetText(Item(0, IDC_TARGET_FOLDER), folder);
    ClickButton(0, IDC_NO_SHORTCUTS);
    ClickAndWait(0, IDC_DESKTOP_SHORTCUT, true);
    ClickAndWait(0, IDC_ALL_USERS, true);
    ASSERT_TRUE(NextTo(1));
    ASSERT_TRUE(NextTo(2));

    RemoteList list(Item(2, IDC_ASSOC_LIST));
    ASSERT_TRUE(IsWindowVisible(Item(2, IDC_ASSOC_ALL_USERS)));
    ClickAndWait(2, IDC_ASSOC_WRITE, true);
    ExpectUnlocked(list);
    ClickButton(2, IDC_ASSOC_ALL);
    ExpectRows(list, Rows(0, 60));
    ClickButton(2, IDC_ASSOC_IMAGES);
    ExpectRows(list, Rows(0, 46));
    for (int row = 47; row < kGroupCount; ++row) EXPECT_EQ(list.StateImage(row), 1) << row;
    ClickAndWait(2, IDC_ASSOC_ALL_USERS, true);

    // Back to the welcome page and on again: the page is as it was left.
    ASSERT_TRUE(BackTo(1));
    ASSERT_TRUE(BackTo(0));
    ASSERT_TRUE(NextTo(1));
    ASSERT_TRUE(NextTo(2));
    ExpectRows(list, Rows(0, 46));
    EXPECT_TRUE(IsChecked(Item(2, IDC_ASSOC_WRITE)));
    EXPECT_TRUE(IsChecked(Item(2, IDC_ASSOC_ALL_USERS)));
    ExpectUnlocked(list);

    ASSERT_TRUE(NextTo(3));
    ExpectReadyPage(folder, true);
    HWND box = NextToMessage();
    ExpectQuestionDuringInstall(box);
    Close(box, IDYES);
    ASSERT_TRUE(m_setup.WaitForPage(4, kInstallWaitMs));
    ExpectFinishPage();
    FinishWithNothing();
}

// Windows 7: unlock, tick rows 2 and 23 with the mouse, lock and unlock again;
// the ready page's choice is reset on return; Yes; the finish button starts
// the installed viewer.
TEST_F(GuidedInstall, Win7RowsTwoAndTwentyThree)
{
    const std::wstring folder = GuidedFolder();
    SetText(Item(0, IDC_TARGET_FOLDER), folder);
    ClickAndWait(0, IDC_ALL_USERS, true);
    ASSERT_TRUE(NextTo(1));
    ASSERT_TRUE(NextTo(2));
    ExpectFirstDisplay(false);

    RemoteList list(Item(2, IDC_ASSOC_LIST));
    ClickAndWait(2, IDC_ASSOC_WRITE, true);
    ExpectUnlocked(list);
    ASSERT_TRUE(list.ClickCheckBox(2));
    ASSERT_TRUE(list.ClickCheckBox(23));
    ExpectRows(list, L"2 23");

    // Locked again, the marks stay on the screen; unlocked, they count again.
    ClickAndWait(2, IDC_ASSOC_WRITE, false);
    ExpectLocked(list);
    ExpectRows(list, L"2 23");
    ClickAndWait(2, IDC_ASSOC_WRITE, true);
    ExpectUnlocked(list);

    ASSERT_TRUE(NextTo(3));
    ExpectReadyPage(folder, false);
    ClickAndWait(3, IDC_INI_PROGRAM_FOLDER, true);
    EXPECT_FALSE(IsChecked(Item(3, IDC_INI_APPDATA)));
    ASSERT_TRUE(BackTo(2));
    ASSERT_TRUE(NextTo(3));
    ExpectReadyPage(folder, false);

    HWND box = NextToMessage();
    ExpectQuestionDuringInstall(box);
    Close(box, IDYES);
    ASSERT_TRUE(m_setup.WaitForPage(4, kInstallWaitMs));
    ExpectFinishPage();

    // The FAQ page stays closed here: nothing is to leave the machine.
    SetChecked(Item(4, IDC_SHOW_FAQ), false);
    Click(Frame(IDCANCEL));
    HWND viewer = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (viewer = FindWindowW(L"Pictomaze", nullptr)) != nullptr; }));
    EXPECT_EQ(Lower(ProgramOf(viewer)), Lower(folder + L"\\p_maze32.exe")) << "the installed viewer";
    EXPECT_TRUE(m_setup.WaitForExit());
    EXPECT_EQ(GetForegroundWindow(), viewer) << "brought to the front";
}

// Windows 10: a folder on a missing drive, and one too long, fail and lead
// back to the welcome page with every choice kept; a running viewer stops
// Next; the question answered No.
TEST_F(GuidedInstall, Win10FailureViewerAndNo)
{
    const std::wstring folder = GuidedFolder();
    SetText(Item(0, IDC_TARGET_FOLDER), L"Q:\\Pictomaze");
    ClickAndWait(0, IDC_THUMBS_SHORTCUT, false);
    const WelcomeChoices chosen = Welcome();
    ASSERT_TRUE(NextTo(1));
    ASSERT_TRUE(NextTo(2));
    RemoteList list(Item(2, IDC_ASSOC_LIST));
    ClickAndWait(2, IDC_ASSOC_WRITE, true);
    ClickButton(2, IDC_ASSOC_IMAGES);
    ExpectRows(list, Rows(0, 46));
    ASSERT_TRUE(NextTo(3));
    ExpectReadyPage(L"Q:\\Pictomaze", false);

    {
        SCOPED_TRACE("failed install");
        HWND box = NextToMessage();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageText(box), kCannotCreate);
        ExpectNotice();
        Close(box, IDOK);
        ASSERT_TRUE(m_setup.WaitForPage(0));
        EXPECT_EQ(Welcome(), chosen);
        EXPECT_FALSE(IsWindowEnabled(Frame(IDC_WIZARD_BACK)));
        EXPECT_TRUE(IsWindowEnabled(Frame(IDC_WIZARD_NEXT)));
        EXPECT_TRUE(IsWindowEnabled(Frame(IDCANCEL)));
    }

    {
        // A folder longer than a path may be is refused whole, never cut to fit.
        SCOPED_TRACE("folder too long");
        SetText(Item(0, IDC_TARGET_FOLDER), L"C:\\" + std::wstring(300, L'a'));
        ASSERT_TRUE(NextTo(1));
        ASSERT_TRUE(NextTo(2));
        ASSERT_TRUE(NextTo(3));
        HWND box = NextToMessage();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageText(box), L"Ung\u00fcltiges Zielverzeichnis!");
        Close(box, IDOK);
        ASSERT_TRUE(m_setup.WaitForPage(0));
        EXPECT_FALSE(FileExists(L"C:\\" + std::wstring(200, L'a'))) << "nothing created";
    }

    SetText(Item(0, IDC_TARGET_FOLDER), folder);
    ASSERT_TRUE(NextTo(1));
    ASSERT_TRUE(NextTo(2));
    ExpectRows(list, Rows(0, 46));
    EXPECT_TRUE(IsWindowEnabled(list.hwnd()));
    ASSERT_TRUE(NextTo(3));
    ExpectReadyPage(folder, false);
    ExpectNotice();

    {
        SCOPED_TRACE("viewer running");
        auto viewer = std::make_unique<ViewerWindow>();
        HWND box = NextToMessage();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageText(box), kViewerRunning);
        Close(box, IDOK);
        m_setup.WaitForIdle();
        EXPECT_EQ(m_setup.ActivePage(), 3);
        EXPECT_FALSE(FileExists(folder)) << "nothing installed";
        viewer.reset();
    }

    HWND box = NextToMessage();
    ExpectQuestionDuringInstall(box);
    Close(box, IDNO);
    ASSERT_TRUE(m_setup.WaitForPage(4, kInstallWaitMs));
    ExpectFinishPage();
    FinishWithNothing();
}

// Windows 10: "Keine markieren" clears, "Alle markieren" ticks every group; Yes.
TEST_F(GuidedInstall, Win10AllGroups)
{
    SetText(Item(0, IDC_TARGET_FOLDER), GuidedFolder());
    ASSERT_TRUE(NextTo(1));
    ASSERT_TRUE(NextTo(2));
    RemoteList list(Item(2, IDC_ASSOC_LIST));
    EXPECT_FALSE(IsWindowVisible(Item(2, IDC_ASSOC_ALL_USERS)));
    ClickAndWait(2, IDC_ASSOC_WRITE, true);
    ClickButton(2, IDC_ASSOC_IMAGES);
    ClickButton(2, IDC_ASSOC_NONE);
    ExpectRows(list, L"");
    ClickButton(2, IDC_ASSOC_ALL);
    ExpectRows(list, Rows(0, 60));
    ASSERT_TRUE(NextTo(3));

    HWND box = NextToMessage();
    ExpectQuestionDuringInstall(box);
    Close(box, IDYES);
    ASSERT_TRUE(m_setup.WaitForPage(4, kInstallWaitMs));
    FinishWithNothing();
}
