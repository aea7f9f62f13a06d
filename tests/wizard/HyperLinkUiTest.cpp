// The licence link on the welcome page, seen on the screen: link colour and
// underline, the hover colour under the mouse, the visited colour after a
// successful open. The prefix's web browser is a command that leaves a file.
#include <gtest/gtest.h>

#include <algorithm>

#include "SetupDriver.h"
#include "resources/WizardControls.h"

namespace {

const COLORREF kLinkColour = RGB(0, 0, 238);
const COLORREF kHoverColour = RGB(255, 0, 0);
const COLORREF kVisitedColour = RGB(85, 26, 139);
const wchar_t* const kEulaAddress = L"https://www.pictomaze.example/eula.html";
const wchar_t* const kOpened = L"C:\\link-opened.txt";

// Underlined in `colour`: a line of it across most of the text.
bool UnderlinedIn(HWND link, COLORREF colour)
{
    ScreenPixels pixels(ScreenRect(link));
    return pixels.Width() > 0 && pixels.LongestRun(colour) * 10 >= pixels.Width() * 7;
}

void SetBrowserCommands(const wchar_t* httpsCommand)
{
    DeleteRegistryTree(HKEY_CLASSES_ROOT, L"https\\shell");
    SetRegistryText(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", nullptr, httpsCommand);
    // The fallback finds a browser class without a command.
    SetRegistryText(HKEY_CLASSES_ROOT, L".htm", nullptr, L"PictomazeNoBrowser");
    DeleteRegistryTree(HKEY_CLASSES_ROOT, L"PictomazeNoBrowser");
}

}  // namespace

TEST(HyperLinkUi, ColoursUnderlineAndOpening)
{
    SetBrowserCommands(L"C:\\no-such-browser\\browser.exe \"%1\"");
    DeleteFileW(kOpened);

    SetupProcess setup;
    ASSERT_TRUE(setup.WaitForSheet());
    ASSERT_TRUE(setup.WaitForPage(0));
    HWND link = setup.Item(0, IDC_EULA_LINK);
    EXPECT_EQ(TextOf(link), L"Pictomaze EULA");

    const POINT away = CentreOf(ScreenRect(setup.Item(0, IDC_VERSION_LINE)));
    const RECT linkRect = ScreenRect(link);
    const POINT onLink = CentreOf(linkRect);
    // Two clicks apart by more than the double-click distance: two clicks, not a double-click.
    const POINT firstClick = {linkRect.left + (linkRect.right - linkRect.left) / 4, onLink.y};
    const POINT secondClick = {linkRect.right - (linkRect.right - linkRect.left) / 4, onLink.y};
    ASSERT_GT(secondClick.x - firstClick.x, 2 * GetSystemMetrics(SM_CXDOUBLECLK));
    MoveMouse(away);
    EXPECT_TRUE(WaitFor([&] { return UnderlinedIn(link, kLinkColour); })) << "link colour, always underlined";

    MoveMouse(onLink);
    EXPECT_TRUE(WaitFor([&] { return UnderlinedIn(link, kHoverColour); })) << "hover colour";
    MoveMouse(away);
    EXPECT_TRUE(WaitFor([&] { return UnderlinedIn(link, kLinkColour); })) << "left: colour back, underline kept";

    // No browser at all: the link does not become visited.
    ClickMouse(firstClick);
    setup.WaitForIdle();
    MoveMouse(away);
    EXPECT_TRUE(WaitFor([&] { return UnderlinedIn(link, kLinkColour); }));
    EXPECT_EQ(setup.FindMessageBox(), nullptr);

    SetBrowserCommands(L"C:\\windows\\system32\\cmd.exe /c echo %1>>C:\\link-opened.txt");
    ClickMouse(secondClick);
    EXPECT_TRUE(WaitFor([&] { return ReadAnsiFile(kOpened).find(kEulaAddress) != std::wstring::npos; }))
        << "the browser got the licence address";
    MoveMouse(away);
    EXPECT_TRUE(WaitFor([&] { return UnderlinedIn(link, kVisitedColour); })) << "visited colour";
    const std::wstring opened = ReadAnsiFile(kOpened);
    EXPECT_EQ(std::count(opened.begin(), opened.end(), L'\n'), 1) << "the failed open started nothing";
}
