// The link cursor comes from cursor 106 of the Windows folder's winhlp32.exe.
// Wine's winhlp32.exe has none, so one test gives the (throwaway) prefix a
// copy with such a cursor and puts the original back afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WizardTestWindows.h"
#include "controls/HyperLink.h"

namespace {

constexpr WORD kHotX = 5;
constexpr WORD kHotY = 2;
constexpr WORD kCursorImageId = 0x7106;

// A 32 x 32 monochrome cursor resource: hot spot, header, two colours, XOR and AND bits.
std::vector<BYTE> CursorResource()
{
    std::vector<BYTE> data;
    auto put = [&](const void* p, size_t n) {
        const BYTE* b = static_cast<const BYTE*>(p);
        data.insert(data.end(), b, b + n);
    };
    WORD hot[2] = {kHotX, kHotY};
    put(hot, sizeof(hot));
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = 32;
    header.biHeight = 64;  // XOR and AND images
    header.biPlanes = 1;
    header.biBitCount = 1;
    put(&header, sizeof(header));
    RGBQUAD colours[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    put(colours, sizeof(colours));
    std::vector<BYTE> xorBits(32 * 4, 0x00), andBits(32 * 4, 0xFF);
    for (int row = 8; row < 24; ++row) andBits[static_cast<size_t>(row) * 4] = 0x00;  // a small black bar
    put(xorBits.data(), xorBits.size());
    put(andBits.data(), andBits.size());
    return data;
}

#pragma pack(push, 2)
struct CursorGroup {
    WORD reserved;
    WORD type;  // 2: cursors
    WORD count;
    WORD width;
    WORD height;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::wstring WindowsFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

bool AddLinkCursor(const std::wstring& module)
{
    std::vector<BYTE> cursor = CursorResource();
    CursorGroup group = {0, 2, 1, 32, 64, 1, 1, static_cast<DWORD>(cursor.size()), kCursorImageId};
    HANDLE update = BeginUpdateResourceW(module.c_str(), FALSE);
    if (!update) return false;
    bool ok = UpdateResourceW(update, RT_CURSOR, MAKEINTRESOURCEW(kCursorImageId),
                              MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), cursor.data(),
                              static_cast<DWORD>(cursor.size())) &&
              UpdateResourceW(update, RT_GROUP_CURSOR, MAKEINTRESOURCEW(106), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                              &group, sizeof(group));
    return EndUpdateResourceW(update, !ok) && ok;
}

// What the link answers to WM_SETCURSOR, and the cursor then current.
LRESULT SetCursorOver(HWND link, HCURSOR* current)
{
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    LRESULT handled = SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    *current = GetCursor();
    return handled;
}

}  // namespace

// Both cases in one test, so the borrowed winhlp32.exe is never seen by the other.
TEST(HyperLinkCursor, Cursor106OfWinHelpOrNone)
{
    const std::wstring help = WindowsFile(L"winhlp32.exe");
    HMODULE original = LoadLibraryExW(help.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const bool hasCursor = original && FindResourceW(original, MAKEINTRESOURCEW(106), RT_GROUP_CURSOR);
    if (original) FreeLibrary(original);
    if (!hasCursor) {
        TestHostWindow host;
        CHyperLink link;
        ASSERT_TRUE(link.SubclassWindow(host.Static(L"Pictomaze EULA", SS_LEFT, 10, 10, 200, 20)));
        HCURSOR current = nullptr;
        EXPECT_EQ(SetCursorOver(link.GetSafeHwnd(), &current), FALSE) << "not handled";
        EXPECT_EQ(current, LoadCursorW(nullptr, IDC_ARROW)) << "left as it was";
    }

    const std::wstring saved = WindowsFile(L"winhlp32.exe.pictomaze-test");
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring patched = std::wstring(temp) + L"winhlp32-link-cursor.exe";
    ASSERT_TRUE(CopyFileW(help.c_str(), saved.c_str(), FALSE));
    struct PutBack {
        const std::wstring& help;
        const std::wstring& saved;
        const std::wstring& patched;
        ~PutBack()
        {
            CopyFileW(saved.c_str(), help.c_str(), FALSE);
            DeleteFileW(saved.c_str());
            DeleteFileW(patched.c_str());
        }
    } putBack = {help, saved, patched};
    ASSERT_TRUE(CopyFileW(help.c_str(), patched.c_str(), FALSE));
    ASSERT_TRUE(AddLinkCursor(patched));
    ASSERT_TRUE(CopyFileW(patched.c_str(), help.c_str(), FALSE));

    {
        TestHostWindow host;
        CHyperLink link;
        ASSERT_TRUE(link.SubclassWindow(host.Static(L"Pictomaze EULA", SS_LEFT, 10, 10, 200, 20)));
        HCURSOR current = nullptr;
        EXPECT_EQ(SetCursorOver(link.GetSafeHwnd(), &current), TRUE);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(current, &info)) << "a cursor is set";
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, kHotX);
        EXPECT_EQ(info.yHotspot, kHotY);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
}
