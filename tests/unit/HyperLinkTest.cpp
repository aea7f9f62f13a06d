#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "WizardTestWindows.h"
#include "controls/HyperLink.h"

namespace {

COLORREF TextColourNow(HWND link)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = nullptr;
    EXPECT_TRUE(CStatic::ReflectCtlColor(link, dc, &brush));
    EXPECT_EQ(brush, GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

bool IsUnderlined(HWND link)
{
    return FontOf(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0))).lfUnderline != 0;
}

// Waits for the hover timer to notice that the cursor has left.
bool WaitUntilLeft(HWND link, COLORREF leftColour)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
        PumpMessages();
        if (TextColourNow(link) == leftColour) return true;
    }
    return false;
}

}  // namespace

TEST(HyperLink, TextAndAddressCompleteEachOther)
{
    const struct {
        const wchar_t* text;
        const wchar_t* url;
        const wchar_t* shownText;
        const wchar_t* address;
    } cases[] = {
        {L"", L"https://eula.example/", L"https://eula.example/", L"https://eula.example/"},
        {L"Pictomaze EULA", nullptr, L"Pictomaze EULA", L"Pictomaze EULA"},
        {L"Pictomaze EULA", L"https://eula.example/", L"Pictomaze EULA", L"https://eula.example/"},
    };
    for (const auto& c : cases) {
        TestHostWindow host;
        HWND child = host.Static(c.text, SS_LEFT, 10, 10, 300, 20);
        CHyperLink link;
        if (c.url) link.SetUrl(c.url);
        ASSERT_TRUE(link.SubclassWindow(child));
        wchar_t shown[128] = {};
        GetWindowTextW(child, shown, 128);
        EXPECT_STREQ(shown, c.shownText);
        EXPECT_EQ(link.GetUrl(), c.address);
        EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & SS_NOTIFY) << "clicks must be reported";
    }
}

TEST(HyperLink, SubclassingStartsWithUnderlineOnHover)
{
    TestHostWindow host;
    HWND child = host.Static(L"Pictomaze EULA", SS_LEFT, 10, 10, 300, 20);
    CHyperLink link;
    link.SetUnderlineMode(1);  // replaced by the subclassing
    ASSERT_TRUE(link.SubclassWindow(child));
    EXPECT_EQ(link.GetUnderlineMode(), -1);
    EXPECT_FALSE(IsUnderlined(child));
    EXPECT_FALSE(link.SubclassWindow(child)) << "bound once";
}

TEST(HyperLink, FittingKeepsTheEdgeOfItsAlignment)
{
    const struct {
        DWORD style;
        const char* kept;
    } cases[] = {
        {SS_LEFT, "left"},
        {SS_CENTER, "centre"},
        {SS_RIGHT, "right"},
        {SS_LEFT | SS_CENTERIMAGE, "left, middle"},
    };
    for (const auto& c : cases) {
        TestHostWindow host;
        const RECT before = {10, 10, 310, 50};
        HWND child = host.Static(L"Pictomaze EULA", c.style, before.left, before.top, 300, 40);
        CHyperLink link;
        ASSERT_TRUE(link.SubclassWindow(child));

        // The text's extent in the underlined face of the window's font.
        LOGFONTW logfont = FontOf(host.font());
        logfont.lfUnderline = TRUE;
        HFONT underlined = CreateFontIndirectW(&logfont);
        HDC dc = GetDC(child);
        HGDIOBJ old = SelectObject(dc, underlined);
        SIZE text = {};
        GetTextExtentPoint32W(dc, L"Pictomaze EULA", 14, &text);
        SelectObject(dc, old);
        ReleaseDC(child, dc);
        DeleteObject(underlined);

        const RECT after = ChildRect(child);
        EXPECT_NEAR(after.right - after.left, text.cx, 1) << c.kept;
        EXPECT_NEAR(after.bottom - after.top, text.cy, 1) << c.kept;
        switch (c.style & SS_TYPEMASK) {
        case SS_CENTER:
            EXPECT_NEAR((after.left + after.right) / 2, (before.left + before.right) / 2, 1) << c.kept;
            break;
        case SS_RIGHT:
            EXPECT_EQ(after.right, before.right) << c.kept;
            break;
        default:
            EXPECT_EQ(after.left, before.left) << c.kept;
        }
        if (c.style & SS_CENTERIMAGE) {
            EXPECT_NEAR((after.top + after.bottom) / 2, (before.top + before.bottom) / 2, 1) << c.kept;
        } else {
            EXPECT_EQ(after.top, before.top) << c.kept;
        }
    }
}

// Hovering changes the colour; the underline follows the mode; the polling
// timer ends the hover once the cursor is elsewhere.
TEST(HyperLink, HoverColourAndUnderlineByMode)
{
    const struct {
        int mode;
        bool underlinedIdle;
        bool underlinedHover;
    } cases[] = {{1, true, true}, {-1, false, true}, {0, false, false}};
    for (const auto& c : cases) {
        TestHostWindow host;
        HWND child = host.Static(L"Pictomaze EULA", SS_LEFT, 10, 10, 300, 20);
        CHyperLink link;
        ASSERT_TRUE(link.SubclassWindow(child));
        link.SetUnderlineMode(c.mode);
        SetCursorPos(0, 0);  // away from the window

        EXPECT_EQ(TextColourNow(child), RGB(0, 0, 238)) << c.mode;
        EXPECT_EQ(IsUnderlined(child), c.underlinedIdle) << c.mode;

        SendMessageW(child, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(TextColourNow(child), RGB(255, 0, 0)) << c.mode;
        EXPECT_EQ(IsUnderlined(child), c.underlinedHover) << c.mode;

        EXPECT_TRUE(WaitUntilLeft(child, RGB(0, 0, 238))) << c.mode;
        EXPECT_EQ(IsUnderlined(child), c.underlinedIdle) << c.mode;
    }
}

TEST(HyperLink, BrowserCommandFromTheRegisteredOpenCommand)
{
    const wchar_t* address = L"https://www.pictomaze.example/eula.html";
    const struct {
        const wchar_t* openCommand;
        const wchar_t* expected;
    } cases[] = {
        // Quoted placeholder: the space before it stays, one more is appended.
        {L"\"C:\\Program Files\\Browser\\browser.exe\" \"%1\"",
         L"\"C:\\Program Files\\Browser\\browser.exe\"  https://www.pictomaze.example/eula.html"},
        {L"\"C:\\Browser\\browser.exe\" -osint -url \"%1\" --new-tab",
         L"\"C:\\Browser\\browser.exe\" -osint -url  https://www.pictomaze.example/eula.html"},
        // Bare placeholder: it and everything after it go.
        {L"C:\\Browser\\browser.exe %1 -nohome", L"C:\\Browser\\browser.exe  https://www.pictomaze.example/eula.html"},
        {L"browser.exe -url %1", L"browser.exe -url  https://www.pictomaze.example/eula.html"},
        // The quoted form wins over an earlier bare one.
        {L"b.exe %1x \"%1\"", L"b.exe %1x  https://www.pictomaze.example/eula.html"},
        // No placeholder: the whole command, a space and the address.
        {L"C:\\Browser\\browser.exe", L"C:\\Browser\\browser.exe https://www.pictomaze.example/eula.html"},
        {L"", L" https://www.pictomaze.example/eula.html"},
    };
    for (const auto& c : cases) {
        wchar_t out[520];
        ASSERT_TRUE(BuildBrowserCommand(c.openCommand, address, out, 520)) << c.openCommand;
        EXPECT_STREQ(out, c.expected) << c.openCommand;
    }
}

TEST(HyperLink, BrowserCommandThatDoesNotFitIsRefused)
{
    const std::wstring command = L"\"C:\\b.exe\" \"%1\"";  // "C:\b.exe" and a space: 11 characters
    wchar_t out[520];
    const std::wstring fits(520 - 1 - 11 - 1, L'a');    // 519 characters in all
    ASSERT_TRUE(BuildBrowserCommand(command.c_str(), fits.c_str(), out, 520));
    EXPECT_EQ(wcslen(out), 519u);
    const std::wstring tooLong = fits + L"b";
    EXPECT_FALSE(BuildBrowserCommand(command.c_str(), tooLong.c_str(), out, 520));
    EXPECT_STREQ(out, L"") << "never a cut command";
}

// OpenLinkTarget's fallback against a scratch HKEY_CLASSES_ROOT.
class HyperLinkOpen : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_scratchPath = L"Software\\PictomazeTests\\Classes" + std::to_wstring(GetCurrentProcessId());
        RegDeleteTreeW(HKEY_CURRENT_USER, m_scratchPath.c_str());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, m_scratchPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &m_scratch, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, m_scratch), ERROR_SUCCESS);

        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        m_target = std::wstring(temp) + L"opened-by-link-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(GetTickCount());
    }
    void TearDown() override
    {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegCloseKey(m_scratch);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_scratchPath.c_str());
        RemoveDirectoryW(m_target.c_str());
    }
    static void SetDefault(const wchar_t* key, const std::wstring& value)
    {
        HKEY k = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(k);
    }
    bool WaitForTarget() const
    {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 20000; Sleep(50)) {
            if (GetFileAttributesW(m_target.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        }
        return false;
    }

    HKEY m_scratch = nullptr;
    std::wstring m_scratchPath;
    std::wstring m_target;  // a folder that does not exist: the shell cannot open it
};

TEST_F(HyperLinkOpen, FallsBackToTheRegisteredBrowser)
{
    SetDefault(L".htm", L"PictomazeTestBrowser");
    SetDefault(L"PictomazeTestBrowser\\shell\\open\\command", L"C:\\windows\\system32\\cmd.exe /c mkdir \"%1\"");
    INT_PTR result = CHyperLink::OpenLinkTarget(m_target.c_str(), SW_HIDE);
    EXPECT_GT(result, 32);
    EXPECT_TRUE(WaitForTarget()) << "the browser command ran with the address";
}

TEST_F(HyperLinkOpen, FailsWithoutAUsableBrowser)
{
    const std::wstring longClass(130, L'c');  // 131 characters with the terminator: over 260 bytes
    const struct {
        const wchar_t* htmClass;
        const wchar_t* command;
        size_t addressLength;
    } cases[] = {
        {nullptr, nullptr, 0},                                   // no ".htm"
        {L"PictomazeNoCommand", nullptr, 0},                     // a class without a command
        {longClass.c_str(), L"C:\\windows\\system32\\cmd.exe /c mkdir %1", 0},  // class name too long
        {L"PictomazeTestBrowser", L"C:\\windows\\system32\\cmd.exe /c mkdir %1", 490},  // 38 + 490: over 519
    };
    for (const auto& c : cases) {
        RegDeleteTreeW(m_scratch, nullptr);
        if (c.htmClass) SetDefault(L".htm", c.htmClass);
        if (c.command) SetDefault((std::wstring(c.htmClass) + L"\\shell\\open\\command").c_str(), c.command);
        std::wstring address = m_target;
        if (c.addressLength > address.size()) address += std::wstring(c.addressLength - address.size(), L'x');
        INT_PTR result = CHyperLink::OpenLinkTarget(address.c_str(), SW_HIDE);
        EXPECT_LE(result, 32) << (c.htmClass ? "with .htm" : "no .htm") << " " << c.addressLength;
    }
}
