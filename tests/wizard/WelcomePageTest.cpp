// The wizard as it opens: title, texts, defaults, buttons, and the folder
// check of Next.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>

#include "SetupDriver.h"
#include "resources/WizardControls.h"

namespace {

const wchar_t* const kDefaultFolder = L"C:\\Program Files (x86)\\Pictomaze";  // the 64-bit test prefix's

class WelcomePage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_setup.Started()) << "PICTOMAZE_SETUP must name the setup";
        ASSERT_TRUE(m_setup.WaitForSheet());
        ASSERT_TRUE(m_setup.WaitForPage(0));
    }
    HWND Item(int id) const { return m_setup.Item(0, id); }

    SetupProcess m_setup;
};

// Width of the dark (text) pixels of a control on the screen.
int DrawnTextWidth(HWND control)
{
    ScreenPixels pixels(ScreenRect(control));
    int first = -1, last = -1;
    for (int x = 0; x < pixels.Width(); ++x) {
        for (int y = 0; y < pixels.Height(); ++y) {
            COLORREF c = pixels.At(x, y);
            if (GetRValue(c) < 0x80 && GetGValue(c) < 0x80 && GetBValue(c) < 0x80) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// Width of a text in a font made here the way the heading font is described.
int ExpectedWidth(const wchar_t* text, int height, int weight, const wchar_t* face)
{
    LOGFONTW logfont = {};
    logfont.lfHeight = height;
    logfont.lfWeight = weight;
    logfont.lfQuality = ANTIALIASED_QUALITY;
    wcscpy(logfont.lfFaceName, face);
    HFONT font = CreateFontIndirectW(&logfont);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return size.cx;
}

}  // namespace

TEST_F(WelcomePage, OpensWithTitleTextsAndDefaults)
{
    HWND sheet = m_setup.Sheet();
    EXPECT_EQ(TextOf(sheet), L"Pictomaze 32-bit Setup");
    EXPECT_TRUE(GetWindowLongW(sheet, GWL_STYLE) & WS_SYSMENU) << "a close box";
    EXPECT_EQ(TextOf(Item(IDC_WELCOME_HEADING)), L"Willkommen zur Pictomaze 32 Installation!");
    EXPECT_EQ(TextOf(Item(IDC_VERSION_LINE)),
              L"Dieses Programm wird Pictomaze Version  4.58  (32 bit) auf Ihrem PC installieren.\n"
              L"(Bitte mit Admin-Rechten ausf\u00fchren)");

    for (int box : {IDC_DESKTOP_SHORTCUT, IDC_THUMBS_SHORTCUT, IDC_PROGRAM_GROUP}) {
        EXPECT_TRUE(IsChecked(Item(box))) << box;
    }
    EXPECT_TRUE(IsChecked(Item(IDC_CURRENT_USER)));
    EXPECT_FALSE(IsChecked(Item(IDC_ALL_USERS)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CURRENT_USER)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_ALL_USERS)));
    EXPECT_EQ(TextOf(Item(IDC_TARGET_FOLDER)), kDefaultFolder) << "no earlier installation";

    EXPECT_FALSE(IsWindowEnabled(m_setup.SheetItem(IDC_WIZARD_BACK)));
    EXPECT_TRUE(IsWindowEnabled(m_setup.SheetItem(IDC_WIZARD_NEXT)));
    EXPECT_EQ(TextOf(m_setup.SheetItem(IDC_WIZARD_BACK)), L"< &Zur\u00fcck");
    EXPECT_EQ(TextOf(m_setup.SheetItem(IDC_WIZARD_NEXT)), L"&Weiter >");
    EXPECT_EQ(TextOf(m_setup.SheetItem(IDCANCEL)), L"&Beenden");
    EXPECT_EQ(m_setup.FindMessageBox(), nullptr) << "no viewer runs";
}

// Bold Arial of 18 pixels at 96 dpi, not the dialog's 8-point font.
TEST_F(WelcomePage, HeadingUsesTheHeadingFont)
{
    const wchar_t* heading = L"Willkommen zur Pictomaze 32 Installation!";
    const int headingFont = ExpectedWidth(heading, 18, FW_BOLD, L"Arial");
    const int dialogFont = ExpectedWidth(heading, -11, FW_NORMAL, L"Microsoft Sans Serif");
    int drawn = 0;
    // The page may still be on its way to the screen.
    WaitFor([&] {
        drawn = DrawnTextWidth(Item(IDC_WELCOME_HEADING));
        return std::abs(drawn - headingFont) <= headingFont / 12;
    });
    ASSERT_GT(drawn, 0) << "nothing drawn; is the screen there?";
    EXPECT_NEAR(drawn, headingFont, headingFont / 12) << "dialog font would give " << dialogFont;
    EXPECT_GT(headingFont - dialogFont, headingFont / 6) << "the two fonts must be told apart";
}

TEST_F(WelcomePage, NoShortcutsAndCheckingOneAgain)
{
    Click(Item(IDC_ALL_USERS));
    ASSERT_TRUE(WaitFor([&] { return IsChecked(Item(IDC_ALL_USERS)); }));

    Click(Item(IDC_NO_SHORTCUTS));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(Item(IDC_ALL_USERS)); }));
    for (int box : {IDC_DESKTOP_SHORTCUT, IDC_THUMBS_SHORTCUT, IDC_PROGRAM_GROUP}) {
        EXPECT_FALSE(IsChecked(Item(box))) << box;
    }
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CURRENT_USER)));
    EXPECT_TRUE(IsChecked(Item(IDC_ALL_USERS))) << "the scope keeps its choice";

    Click(Item(IDC_THUMBS_SHORTCUT));
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(Item(IDC_ALL_USERS)); }));
    EXPECT_TRUE(IsChecked(Item(IDC_THUMBS_SHORTCUT)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CURRENT_USER)));
    EXPECT_TRUE(IsChecked(Item(IDC_ALL_USERS)));
    EXPECT_FALSE(IsChecked(Item(IDC_CURRENT_USER)));

    // Unchecking the last checked box disables the scope again.
    Click(Item(IDC_THUMBS_SHORTCUT));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(Item(IDC_CURRENT_USER)); }));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_ALL_USERS)));
}

TEST_F(WelcomePage, NextRefusesAFolderWithoutDrive)
{
    for (const wchar_t* folder : {L"", L"Programme\\Pictomaze", L"\\\\server\\share\\Pictomaze", L" C:\\Pictomaze"}) {
        SetText(Item(IDC_TARGET_FOLDER), folder);
        m_setup.PressNext();
        HWND box = m_setup.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << "folder '" << testing::PrintToString(std::wstring(folder)) << "'";
        EXPECT_EQ(MessageText(box), L"Ung\u00fcltiges Zielverzeichnis!");
        Answer(box, IDOK);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
        EXPECT_EQ(m_setup.ActivePage(), 0);
        EXPECT_EQ(TextOf(Item(IDC_TARGET_FOLDER)), folder);
        EXPECT_FALSE(IsWindowEnabled(m_setup.SheetItem(IDC_WIZARD_BACK))) << "Back stays disabled";
    }
}

TEST_F(WelcomePage, NextAndBackKeepTheChoices)
{
    Click(Item(IDC_THUMBS_SHORTCUT));
    Click(Item(IDC_ALL_USERS));
    SetText(Item(IDC_TARGET_FOLDER), L"D:\\Apps\\Pictomaze");
    ASSERT_TRUE(WaitFor([&] { return IsChecked(Item(IDC_ALL_USERS)) && !IsChecked(Item(IDC_THUMBS_SHORTCUT)); }));

    m_setup.PressNext();
    ASSERT_TRUE(m_setup.WaitForPage(1));
    EXPECT_TRUE(IsWindowEnabled(m_setup.SheetItem(IDC_WIZARD_BACK)));
    EXPECT_EQ(TextOf(m_setup.Sheet()), L"Pictomaze 32-bit Setup");

    m_setup.PressBack();
    ASSERT_TRUE(m_setup.WaitForPage(0));
    EXPECT_FALSE(IsWindowEnabled(m_setup.SheetItem(IDC_WIZARD_BACK)));
    EXPECT_FALSE(IsChecked(Item(IDC_THUMBS_SHORTCUT)));
    EXPECT_TRUE(IsChecked(Item(IDC_DESKTOP_SHORTCUT)));
    EXPECT_TRUE(IsChecked(Item(IDC_ALL_USERS)));
    EXPECT_EQ(TextOf(Item(IDC_TARGET_FOLDER)), L"D:\\Apps\\Pictomaze");
    EXPECT_EQ(TextOf(Item(IDC_WELCOME_HEADING)), L"Willkommen zur Pictomaze 32 Installation!");

    // Back on the first page goes nowhere.
    m_setup.PressBack();
    m_setup.PressNext();
    EXPECT_TRUE(m_setup.WaitForPage(1));
}

// The field shows the folder of an earlier installation instead of the default.
TEST(WelcomePageEarlierInstallation, FolderOfTheEarlierInstallation)
{
    const std::wstring key = L"SOFTWARE\\Classes\\Pictomaze\\shell\\open\\command";
    SetRegistryText(HKEY_LOCAL_MACHINE, key, nullptr, L"\"D:\\Tools\\Pictomaze\\p_maze32.exe\" \"%1\"");
    {
        SetupProcess setup;
        ASSERT_TRUE(setup.WaitForSheet());
        ASSERT_TRUE(setup.WaitForPage(0));
        EXPECT_EQ(TextOf(setup.Item(0, IDC_TARGET_FOLDER)), L"D:\\Tools\\Pictomaze\\");
    }
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Pictomaze");
}
