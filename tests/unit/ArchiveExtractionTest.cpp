#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "PayloadTestSupport.h"
#include "app/Probes.h"
#include "install/ArchiveExtraction.h"
#include "install/PayloadExtraction.h"
#include "resources/resource.h"

using namespace payload_test;

namespace {

std::wstring Archive(const wchar_t* name) { return FixturePath(std::wstring(L"archives\\") + name); }

std::wstring TempFile(const wchar_t* name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + name;
}

std::wstring WithBackslash(std::wstring path)
{
    if (path.back() != L'\\') path += L'\\';
    return path;
}

// The entry time a file carries, as the local DOS date and time it came from.
bool LocalDosTime(const FILETIME& utc, WORD* date, WORD* time)
{
    FILETIME local;
    return FileTimeToLocalFileTime(&utc, &local) && FileTimeToDosDateTime(&local, date, time);
}

bool FileTimes(const std::wstring& path, FILETIME* created, FILETIME* accessed, FILETIME* written)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BOOL ok = GetFileTime(h, created, accessed, written);
    CloseHandle(h);
    return ok != 0;
}

WORD DosDate(int y, int m, int d) { return static_cast<WORD>(((y - 1980) << 9) | (m << 5) | d); }
WORD DosTime(int h, int m, int s) { return static_cast<WORD>((h << 11) | (m << 5) | (s / 2)); }

// What the other steps of the install rely on finding in the target folder.
const wchar_t* const kPayloadFolders[] = {L"Languages", L"Plugins", L"Help", L"Html", L"Toolbars"};
const wchar_t* const kPayloadFiles[] = {
    L"p_maze32.exe", L"pm_uninstall.exe", L"p_about.txt", L"p_changes.txt", L"p_options.txt",
    L"p_plugins.txt", L"p_languages.txt", L"p_license.txt", L"p_keys.txt", L"p_formats.txt",
    L"Languages\\Deutsch.dll", L"Languages\\Deutsch.txt",
    L"Plugins\\Icons.dll", L"Plugins\\Formats.dll", L"Plugins\\Effects.dll", L"Plugins\\Plugins.txt",
    L"help\\p_maze32_deutsch.chm",
    L"Html\\index.html", L"Html\\thumbnails.html", L"Html\\slideshow.html", L"Html\\contact_sheet.html",
    L"Html\\style.css", L"Html\\readme.txt",
    L"Toolbars\\gnome-colors-human_48.png", L"Toolbars\\gnome-colors-human_48.txt",
    L"Toolbars\\gnome-colors-wise_32.png", L"Toolbars\\gnome-colors-wise_32.txt",
    L"Toolbars\\Kelmoran_24.png", L"Toolbars\\Kelmoran_24.txt",
    L"Toolbars\\Tavrin_16.png", L"Toolbars\\Tavrin_16.txt",
    L"Toolbars\\Classic_16.png", L"Toolbars\\Classic_16.txt"};

std::vector<std::wstring> Children(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

int CountTree(const std::wstring& folder)
{
    int count = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        ++count;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) count += CountTree(folder + L"\\" + name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return count;
}

}  // namespace

TEST(PayloadExtraction, UnpacksTheWholePayloadAndStaysInTheTarget)
{
    ScratchFolder scratch;
    std::wstring target = WithBackslash(scratch.Folder(L"Pictomaze"));
    std::wstring temp = TempFile(L"pmazeg_unit.zip");

    ASSERT_EQ(ExtractPayload(IDR_PAYLOAD_ZIP, L"ZIP", L"pmazeg_unit.zip", target.c_str(), 0), 0);
    EXPECT_EQ(WithBackslash(CurrentDirectory()), target);
    EXPECT_FALSE(FileExists(temp));

    for (const wchar_t* folder : kPayloadFolders) EXPECT_TRUE(FolderExists(target + folder)) << folder;
    for (const wchar_t* file : kPayloadFiles) EXPECT_TRUE(FileExists(target + file)) << file;
    EXPECT_EQ(CountTree(scratch / L"Pictomaze"), 38);

    // Every entry carries the build's fixed time.
    FILETIME created, accessed, written;
    WORD date = 0, time = 0;
    ASSERT_TRUE(FileTimes(target + L"Toolbars\\Tavrin_16.png", &created, &accessed, &written));
    ASSERT_TRUE(LocalDosTime(written, &date, &time));
    EXPECT_EQ(date, DosDate(2026, 11, 20));
    EXPECT_EQ(time, DosTime(4, 58, 0));

    // The icon library is the release's: 4.30, by the publisher, 226816 bytes.
    std::wstring library = target + L"Plugins\\Icons.dll";
    wchar_t version[260] = {}, company[260] = {};
    ASSERT_EQ(ReadVersionRecord(library.c_str(), version, company, 260), 1);
    EXPECT_STREQ(version, L"4.30");
    EXPECT_STREQ(company, L"Orvandel");
    EXPECT_EQ(GetFileLength(library.c_str()), 226816);

    // Shortcuts and file types show icons 0, 7, 8 and 9 of the viewer.
    std::wstring viewer = target + L"p_maze32.exe";
    EXPECT_GE(ExtractIconExW(viewer.c_str(), -1, nullptr, nullptr, 0), 10u);
}

TEST(PayloadExtraction, FailuresBeforeTheWalkLeaveNothingBehind)
{
    struct Case {
        const char* what;
        int id;
        const wchar_t* type;
        bool targetExists;
    } cases[] = {
        {"missing resource", 4711, L"ZIP", true},
        {"resource is no archive", 1, RT_MANIFEST, true},
        {"target folder missing", IDR_PAYLOAD_ZIP, L"ZIP", false},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch;
        std::wstring target = WithBackslash(scratch.path()) + (c.targetExists ? L"" : L"missing\\");
        std::wstring before = CurrentDirectory();
        EXPECT_EQ(ExtractPayload(c.id, c.type, L"pmazeg_fail.zip", target.c_str(), 0), -1) << c.what;
        EXPECT_EQ(CurrentDirectory(), before) << c.what;
        EXPECT_FALSE(FileExists(TempFile(L"pmazeg_fail.zip"))) << c.what;
        EXPECT_EQ(CountTree(scratch.path()), 0) << c.what;
    }
}

TEST(ArchiveExtraction, TruncatedArchiveIsNotOpened)
{
    ScratchFolder scratch;
    std::string whole = ReadAll(Archive(L"dated.zip"));
    ASSERT_FALSE(whole.empty());
    std::wstring cut = scratch / L"cut.zip";
    ASSERT_TRUE(WriteAll(cut, whole.substr(0, whole.size() / 2)));
    std::wstring target = scratch.Folder(L"target");
    std::wstring before = CurrentDirectory();

    EXPECT_EQ(ExtractArchive(cut.c_str(), target.c_str(), 0), -1);
    EXPECT_EQ(CurrentDirectory(), before);
    EXPECT_EQ(CountTree(target), 0);
}

TEST(ArchiveExtraction, WrongCrcStopsTheWalkAtThatEntry)
{
    ScratchFolder scratch;
    std::wstring target = scratch.Folder(L"target");
    EXPECT_EQ(ExtractArchive(Archive(L"bad_crc.zip").c_str(), target.c_str(), 0), -105);
    EXPECT_EQ(ReadAll(target + L"\\first.txt").size(), 1520u);
    EXPECT_TRUE(FileExists(target + L"\\broken.txt"));  // written as far as it was read
    EXPECT_FALSE(FileExists(target + L"\\after.txt"));
}

TEST(ArchiveExtraction, FileEntriesWithoutFolderEntriesAreUnpacked)
{
    ScratchFolder scratch;
    std::wstring target = scratch.Folder(L"target");
    EXPECT_EQ(ExtractArchive(Archive(L"missing_folders.zip").c_str(), target.c_str(), 0), 0);
    for (const wchar_t* file : {L"Deep\\Er\\file.txt", L"Late\\inner.txt", L"Back\\Slash\\file.txt", L"top.txt"}) {
        EXPECT_EQ(ReadAll(target + L"\\" + file).size(), 1520u) << file;
    }
}

// A file that cannot be replaced (here: held open without sharing) is skipped;
// the read-only case runs on the real program in the silent tests.
TEST(ArchiveExtraction, FilesInUseAreKeptAndTheWalkGoesOn)
{
    ScratchFolder scratch;
    std::wstring target = scratch.Folder(L"target");
    scratch.Folder(L"target\\Deep\\Er");
    std::vector<HANDLE> held;
    for (const wchar_t* file : {L"top.txt", L"Deep\\Er\\file.txt"}) {
        std::wstring path = target + L"\\" + file;
        ASSERT_TRUE(WriteAll(path, "installed"));
        held.push_back(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(held.back(), INVALID_HANDLE_VALUE);
    }
    EXPECT_EQ(ExtractArchive(Archive(L"missing_folders.zip").c_str(), target.c_str(), 0), 0);
    for (HANDLE h : held) CloseHandle(h);
    EXPECT_EQ(ReadAll(target + L"\\top.txt"), "installed");
    EXPECT_EQ(ReadAll(target + L"\\Deep\\Er\\file.txt"), "installed");
    EXPECT_EQ(ReadAll(target + L"\\Late\\inner.txt").size(), 1520u);
    EXPECT_EQ(ReadAll(target + L"\\Back\\Slash\\file.txt").size(), 1520u);
}

TEST(ArchiveExtraction, SkipFlagLeavesEveryIconLibraryNameAlone)
{
    struct Case {
        int skip;
        bool librariesWritten;
    } cases[] = {{0, true}, {1, false}};
    for (const Case& c : cases) {
        ScratchFolder scratch;
        std::wstring target = scratch.Folder(L"target");
        scratch.Folder(L"target\\Plugins");
        ASSERT_TRUE(WriteAll(target + L"\\Plugins\\Icons.dll", "installed"));

        EXPECT_EQ(ExtractArchive(Archive(L"icon_names.zip").c_str(), target.c_str(), c.skip), 0);
        EXPECT_EQ(ReadAll(target + L"\\Plugins\\Icons.dll"),
                  c.librariesWritten ? "payload icon library" : "installed") << c.skip;
        EXPECT_EQ(FileExists(target + L"\\Other\\MyICONS.DLL.bak"), c.librariesWritten) << c.skip;
        EXPECT_TRUE(FileExists(target + L"\\Other\\Icon.dll")) << c.skip;
        EXPECT_TRUE(FileExists(target + L"\\readme.txt")) << c.skip;
    }
}

// Names that lead out of the target folder are skipped; the rest is unpacked.
TEST(ArchiveExtraction, NothingIsWrittenOutsideTheTarget)
{
    ScratchFolder scratch;
    std::wstring outer = scratch.Folder(L"outer");
    std::wstring target = scratch.Folder(L"outer\\target");
    EXPECT_EQ(ExtractArchive(Archive(L"unsafe_names.zip").c_str(), target.c_str(), 0), 0);

    EXPECT_TRUE(FileExists(target + L"\\safe.txt"));
    EXPECT_TRUE(FileExists(target + L"\\safe\\nested.txt"));
    EXPECT_FALSE(FileExists(target + L"\\pm_inside_dotdot.txt"));  // a ".." level is refused anywhere
    EXPECT_EQ(Children(scratch.path()), std::vector<std::wstring>{L"outer"});
    EXPECT_EQ(Children(outer), std::vector<std::wstring>{L"target"});
    const wchar_t* escapes[] = {L"pm_escape_up.txt", L"pm_escape_back.txt", L"pm_escape_root.txt",
                                L"pm_escape_root2.txt", L"pm_escape_drive.txt", L"pm_escape_drive2.txt",
                                L"pm_escape_nested.txt"};
    wchar_t root[4] = {target[0], L':', L'\\', 0};
    for (const wchar_t* name : escapes) {
        EXPECT_FALSE(FileExists(outer + L"\\" + name)) << name;
        EXPECT_FALSE(FileExists(scratch / name)) << name;
        EXPECT_FALSE(FileExists(std::wstring(root) + name)) << name;
        EXPECT_FALSE(FileExists(std::wstring(L"C:\\") + name)) << name;
    }
}

TEST(ArchiveExtraction, EntryTimesAndContentsArrive)
{
    ScratchFolder scratch;
    std::wstring target = scratch.Folder(L"target");
    ASSERT_EQ(ExtractArchive(Archive(L"dated.zip").c_str(), target.c_str(), 0), 0);

    struct Case {
        const wchar_t* name;
        WORD date, time;
        size_t size;
    } cases[] = {
        {L"old.txt", DosDate(1999, 12, 31), DosTime(23, 59, 58), 1520},
        {L"new.txt", DosDate(2026, 11, 20), DosTime(4, 58, 0), 1520},
        {L"empty.txt", DosDate(2010, 6, 15), DosTime(12, 0, 0), 0},
        {L"big.bin", DosDate(2020, 2, 29), DosTime(8, 30, 10), 176000},  // several copy blocks
    };
    for (const Case& c : cases) {
        std::wstring path = target + L"\\" + c.name;
        EXPECT_EQ(ReadAll(path).size(), c.size) << c.name;
        FILETIME created, accessed, written;
        ASSERT_TRUE(FileTimes(path, &created, &accessed, &written)) << c.name;
        WORD date = 0, time = 0;
        ASSERT_TRUE(LocalDosTime(written, &date, &time));
        EXPECT_EQ(date, c.date) << c.name;
        EXPECT_EQ(time, c.time) << c.name;
    }
}

TEST(ArchiveExtraction, FileTimeFromDosDateKeepsTheAccessTime)
{
    ScratchFolder scratch;
    std::wstring path = scratch / L"file.txt";
    ASSERT_TRUE(WriteAll(path, "x"));
    SYSTEMTIME st = {2001, 1, 1, 1, 10, 20, 30, 0};
    FILETIME access;
    SystemTimeToFileTime(&st, &access);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SetFileTime(h, nullptr, &access, nullptr);
    CloseHandle(h);

    DWORD dos = (static_cast<DWORD>(DosDate(2015, 7, 4)) << 16) | DosTime(18, 30, 44);
    SetFileTimeFromDosDate(path.c_str(), dos);
    SetFileTimeFromDosDate((scratch / L"missing.txt").c_str(), dos);  // nothing to change

    FILETIME created, accessed, written;
    ASSERT_TRUE(FileTimes(path, &created, &accessed, &written));
    WORD date = 0, time = 0;
    ASSERT_TRUE(LocalDosTime(written, &date, &time));
    EXPECT_EQ(date, DosDate(2015, 7, 4));
    EXPECT_EQ(time, DosTime(18, 30, 44));
    EXPECT_EQ(CompareFileTime(&accessed, &access), 0);
    EXPECT_FALSE(FileExists(scratch / L"missing.txt"));
}

TEST(ArchiveExtraction, MakeDirectoryTree)
{
    ScratchFolder scratch;
    SetCurrentDirectoryW(scratch.path().c_str());
    ASSERT_TRUE(WriteAll(scratch / L"file.txt", "a file, not a folder"));
    struct Case {
        std::wstring path;
        int result;
        std::wstring made;
    } cases[] = {
        {L"a/b/c", 1, L"a\\b\\c"},
        {L"x\\y\\z\\", 1, L"x\\y\\z"},
        {L"m\\n/o/", 1, L"m\\n\\o"},
        {scratch / L"abs\\deep\\er", 1, L"abs\\deep\\er"},
        {L"a/b", 1, L"a\\b"},  // exists already
        {L"file.txt/sub", 0, L""},
        {L"", 0, L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeDirectoryTree(c.path.c_str()), c.result) << std::string(c.path.begin(), c.path.end());
        if (!c.made.empty()) {
            EXPECT_TRUE(FolderExists(scratch / c.made));
        }
    }
}
