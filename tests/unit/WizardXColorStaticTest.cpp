#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "WizardTestWindows.h"
#include "controls/XColorStatic.h"

TEST(WizardXColorStatic, StartsInTheButtonColours)
{
    CXColorStatic notice;
    EXPECT_EQ(notice.GetForegroundColor(), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(notice.GetBackgroundColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(notice.GetFont(), nullptr);

    TestHostWindow host;
    ASSERT_TRUE(notice.SubclassWindow(host.Static(L"Installiere", SS_CENTER, 10, 10, 300, 30)));
    const LOGFONTW copy = FontOf(notice.GetFont());
    const LOGFONTW window = FontOf(host.font());
    EXPECT_STREQ(copy.lfFaceName, window.lfFaceName);
    EXPECT_EQ(copy.lfHeight, window.lfHeight);
}

// The font that results from the setters, in the orders the ready page and
// others may call them.
TEST(WizardXColorStatic, FontSetters)
{
    const std::wstring longFace(40, L'F');
    const struct {
        const char* calls;
        void (*apply)(CXColorStatic&, const std::wstring&);
        const wchar_t* face;  // null: the window font's face
        int height;           // 0: the window font's height
        LONG weight;
        BYTE quality;  // 0xFF: the window font's quality
    } cases[] = {
        {"bold, then Arial 18",
         [](CXColorStatic& n, const std::wstring&) { n.SetBold(TRUE); n.SetFaceAndHeight(L"Arial", 18); },
         L"Arial", 18, FW_BOLD, ANTIALIASED_QUALITY},
        {"Arial 27, then not bold",
         [](CXColorStatic& n, const std::wstring&) { n.SetFaceAndHeight(L"Arial", 27); n.SetBold(FALSE); },
         nullptr, 0, FW_NORMAL, 0xFF},
        {"no face, height 30",
         [](CXColorStatic& n, const std::wstring&) { n.SetFaceAndHeight(nullptr, 30); },
         nullptr, 30, FW_NORMAL, ANTIALIASED_QUALITY},
        {"bold, no face, height 30",
         [](CXColorStatic& n, const std::wstring&) { n.SetBold(TRUE, FALSE); n.SetFaceAndHeight(nullptr, 30, FALSE); },
         nullptr, 30, FW_BOLD, ANTIALIASED_QUALITY},
        {"a face of 40 characters",
         [](CXColorStatic& n, const std::wstring& face) { n.SetFaceAndHeight(face.c_str(), 12); },
         L"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 12, FW_NORMAL, ANTIALIASED_QUALITY},
    };
    for (const auto& c : cases) {
        TestHostWindow host;
        CXColorStatic notice;
        ASSERT_TRUE(notice.SubclassWindow(host.Static(L"Installiere", SS_CENTER, 10, 10, 300, 30)));
        c.apply(notice, longFace);
        const LOGFONTW window = FontOf(host.font());
        const LOGFONTW font = FontOf(notice.GetFont());
        EXPECT_STREQ(font.lfFaceName, c.face ? c.face : window.lfFaceName) << c.calls;
        EXPECT_EQ(font.lfHeight, c.height ? c.height : window.lfHeight) << c.calls;
        EXPECT_EQ(font.lfWeight, c.weight) << c.calls;
        EXPECT_EQ(font.lfQuality, c.quality == 0xFF ? window.lfQuality : c.quality) << c.calls;
        // The window's own font stays as it was.
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(notice.GetSafeHwnd(), WM_GETFONT, 0, 0)), host.font());
    }
}

namespace {

// Rows of the control that hold pixels of `colour`, as seen on the screen.
std::vector<int> RowsWithColour(HWND control, COLORREF colour)
{
    RECT client = {};
    GetClientRect(control, &client);
    std::vector<int> rows;
    HDC dc = GetDC(control);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            if (GetPixel(dc, x, y) == colour) {
                rows.push_back(y);
                break;
            }
        }
    }
    ReleaseDC(control, dc);
    return rows;
}

int LineCount(const std::vector<int>& rows)
{
    int lines = rows.empty() ? 0 : 1;
    for (size_t i = 1; i < rows.size(); ++i) lines += rows[i] > rows[i - 1] + 1;
    return lines;
}

}  // namespace

// Opaque text in its own colour: one centred line with the centre-image
// style, wrapped lines without it.
TEST(WizardXColorStatic, PaintsItsColoursAndLayout)
{
    const struct {
        DWORD style;
        bool oneLine;
    } cases[] = {{SS_CENTER | SS_CENTERIMAGE, true}, {SS_LEFT, false}};
    for (const auto& c : cases) {
        TestHostWindow host(true);
        const wchar_t* text = L"Installiere ... bitte warten ... Installiere ... bitte warten ...";
        CXColorStatic notice;
        HWND control = host.Static(text, c.style, 10, 10, 200, 120);
        ASSERT_TRUE(notice.SubclassWindow(control));
        notice.SetForegroundColor(RGB(255, 0, 0), FALSE);
        notice.SetBold(TRUE);
        notice.SetFaceAndHeight(L"Arial", 18);
        if (c.oneLine) SetWindowTextW(control, L"Installiere");
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

        std::vector<int> red = RowsWithColour(control, RGB(255, 0, 0));
        ASSERT_FALSE(red.empty()) << c.style;
        HDC dc = GetDC(control);
        EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_BTNFACE)) << "opaque background";
        ReleaseDC(control, dc);
        if (c.oneLine) {
            EXPECT_EQ(LineCount(red), 1);
            EXPECT_NEAR((red.front() + red.back()) / 2, 60, 6) << "centred vertically";
        } else {
            EXPECT_GT(LineCount(red), 1) << "wrapped";
            EXPECT_LT(red.front(), 10) << "from the top";
        }
    }
}
