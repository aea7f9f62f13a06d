#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

#include "TestSupport.h"
#include "integration/Shortcuts.h"

namespace {

struct LinkRead {
    bool loaded = false;
    std::wstring target, arguments, icon, description;
    int iconIndex = -1;
};

// Reads a shortcut file back through the shell's link object.
LinkRead ReadLink(const std::wstring& path)
{
    LinkRead out;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        wchar_t text[1024];
        out.loaded = true;
        if (SUCCEEDED(link->GetPath(text, 1024, nullptr, SLGP_RAWPATH))) out.target = text;
        if (SUCCEEDED(link->GetArguments(text, 1024))) out.arguments = text;
        if (SUCCEEDED(link->GetIconLocation(text, 1024, &out.iconIndex))) out.icon = text;
        if (SUCCEEDED(link->GetDescription(text, 1024))) out.description = text;
    }
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return out;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring UniqueName(const wchar_t* stem)
{
    GUID guid;
    CoCreateGuid(&guid);
    wchar_t name[96];
    swprintf(name, 96, L"%ls %08lx.lnk", stem, guid.Data1);
    return name;
}

}  // namespace

TEST(CreateFolderShortcut, FieldsAsGiven)
{
    ScratchFolder scratch;
    struct Case { const wchar_t* arguments; const wchar_t* icon; int index; };
    const Case cases[] = {{nullptr, nullptr, 0}, {L"/thumbs", L"C:\\P\\p_maze32.exe", 7}};
    for (const Case& c : cases) {
        std::wstring name = UniqueName(L"Entry");
        EXPECT_EQ(CreateFolderShortcut(scratch.path().c_str(), name.c_str(), L"C:\\P\\p_maze32.exe", c.arguments, c.icon,
                                       c.index),
                  1);
        LinkRead link = ReadLink(scratch.file(name.c_str()));
        ASSERT_TRUE(link.loaded);
        EXPECT_EQ(link.target, L"C:\\P\\p_maze32.exe");
        EXPECT_EQ(link.arguments, c.arguments ? c.arguments : L"");
        EXPECT_EQ(link.icon, c.icon ? c.icon : L"");
        if (c.icon) {
            EXPECT_EQ(link.iconIndex, c.index);
        }
        EXPECT_EQ(link.description, L"");  // group entries carry none
    }
}

TEST(CreateFolderShortcut, ReplacesAnExistingFileAndFailsWithoutTheFolder)
{
    ScratchFolder scratch;
    WriteFileBytes(scratch.file(L"Pictomaze 4.58.lnk"), "not a shortcut");
    EXPECT_EQ(CreateFolderShortcut(scratch.path().c_str(), L"Pictomaze 4.58.lnk", L"C:\\P\\p_maze32.exe", nullptr,
                                   nullptr, 0),
              1);
    EXPECT_EQ(ReadLink(scratch.file(L"Pictomaze 4.58.lnk")).target, L"C:\\P\\p_maze32.exe");

    const std::wstring missing = scratch.file(L"missing\\");
    EXPECT_EQ(CreateFolderShortcut(missing.c_str(), L"x.lnk", L"C:\\P\\p_maze32.exe", nullptr, nullptr, 0), 0);
    EXPECT_FALSE(Exists(missing));
}

// COM is the shortcut's own business: uninitialised after each one, and an
// apartment the caller already has is left as it was.
TEST(CreateFolderShortcut, LeavesTheThreadsComAsItFoundIt)
{
    ScratchFolder scratch;
    ASSERT_EQ(CreateFolderShortcut(scratch.path().c_str(), L"a.lnk", L"C:\\P\\x.exe", nullptr, nullptr, 0), 1);
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(hr, S_OK);  // nothing left initialised

    // the caller's multithreaded apartment stays up after the shortcut
    EXPECT_EQ(CreateFolderShortcut(scratch.path().c_str(), L"b.lnk", L"C:\\P\\x.exe", nullptr, nullptr, 0), 1);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    CoUninitialize();
}

TEST(ResolveSpecialFolder, TrailingBackslashAndWindowsFolderFallback)
{
    wchar_t path[260];
    wchar_t windows[260];
    GetWindowsDirectoryW(windows, 260);
    std::wstring windowsFolder = std::wstring(windows) + L"\\";

    ResolveSpecialFolder(path, CSIDL_PROGRAMS);
    std::wstring programs = path;
    ASSERT_GT(programs.size(), 3u);
    EXPECT_EQ(programs.back(), L'\\');
    EXPECT_NE(programs.find(L"Programs"), std::wstring::npos);
    EXPECT_NE(programs, windowsFolder);

    ResolveSpecialFolder(path, 0x7E);  // no such folder
    EXPECT_EQ(std::wstring(path), windowsFolder);
}

TEST(CreateDesktopShortcut, CurrentUserOrAllUsersDesktop)
{
    for (int allUsers : {0, 1}) {
        wchar_t desktop[260];
        ResolveSpecialFolder(desktop, allUsers ? CSIDL_COMMON_DESKTOPDIRECTORY : CSIDL_DESKTOP);
        wchar_t other[260];
        ResolveSpecialFolder(other, allUsers ? CSIDL_DESKTOP : CSIDL_COMMON_DESKTOPDIRECTORY);
        ASSERT_NE(std::wstring(desktop), std::wstring(other));

        std::wstring name = UniqueName(L"Pictomaze Thumbnails");
        EXPECT_EQ(CreateDesktopShortcut(L"C:\\P\\p_maze32.exe", name.c_str(), L"C:\\P\\p_maze32.exe",
                                        L"Pictomaze - Thumbnails", L"/thumbs", 7, allUsers),
                  1);
        std::wstring path = std::wstring(desktop) + name;
        LinkRead link = ReadLink(path);
        EXPECT_TRUE(link.loaded) << allUsers;
        EXPECT_EQ(link.description, L"Pictomaze - Thumbnails");
        EXPECT_EQ(link.arguments, L"/thumbs");
        EXPECT_EQ(link.iconIndex, 7);
        EXPECT_FALSE(Exists(std::wstring(other) + name));
        DeleteFileW(path.c_str());
    }
}
