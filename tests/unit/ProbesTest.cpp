#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "app/Probes.h"

namespace {

const wchar_t* kOpenCommandKey = L"SOFTWARE\\Classes\\Pictomaze\\shell\\open\\command";

void SetDefault(HKEY root, const wchar_t* key, const std::wstring& value)
{
    ASSERT_EQ(RegSetValueW(root, key, REG_SZ, value.c_str(), 0), ERROR_SUCCESS);
}

std::wstring ThisExecutable()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

TEST(FindEarlierInstallation, ReadsTheRegisteredOpenCommand)
{
    struct Case { std::wstring command; int found; const wchar_t* folder; };
    const Case cases[] = {
        {L"\"D:\\Tools\\Pictomaze\\p_maze32.exe\" \"%1\"", 1, L"D:\\Tools\\Pictomaze\\"},
        // without the opening quote the path is read from its first character
        {L"C:\\X\\p_maze32.exe %1", 1, L"C:\\X\\"},
        {L"\"D:\\Tools\\other.exe\" \"%1\"", 0, L""},
        {L"\"D:\\Tools\\P_MAZE32.EXE\" \"%1\"", 0, L""},   // exact case only
        {L"", 0, L""},
        // longer than 129 characters counts as absent
        {L"\"D:\\" + std::wstring(120, L'a') + L"\\p_maze32.exe\" \"%1\"", 0, L""},
    };
    for (const Case& c : cases) {
        RegistryRedirect redirect;
        SetDefault(HKEY_LOCAL_MACHINE, kOpenCommandKey, c.command);
        wchar_t out[260] = L"garbage";
        EXPECT_EQ(FindEarlierInstallation(out), c.found) << c.command.size();
        EXPECT_STREQ(out, c.folder);
    }
    RegistryRedirect empty;
    wchar_t out[260] = L"garbage";
    EXPECT_EQ(FindEarlierInstallation(out), 0);
    EXPECT_STREQ(out, L"");
}

TEST(GetDefaultTargetFolder, ProgramFilesOrFallback)
{
    wchar_t out[260];
    // The real prefix: a 32-bit program sees the 32-bit program folder.
    EXPECT_EQ(GetDefaultTargetFolder(out), 1);
    EXPECT_STREQ(out, L"C:\\Program Files (x86)\\Pictomaze");

    RegistryRedirect redirect;
    EXPECT_EQ(GetDefaultTargetFolder(out), 1);
    EXPECT_STREQ(out, L"C:\\Pictomaze\\");

    HKEY key;
    ASSERT_EQ(RegCreateKeyW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion", &key), ERROR_SUCCESS);
    const wchar_t value[] = L"E:\\Programme\\";
    RegSetValueExW(key, L"ProgramFilesDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof(value));
    RegCloseKey(key);
    EXPECT_EQ(GetDefaultTargetFolder(out), 1);
    EXPECT_STREQ(out, L"E:\\Programme\\Pictomaze");
}

TEST(ReadVersionRecord, RealVersionResources)
{
    ScratchFolder scratch;
    wchar_t version[260] = L"untouched";
    wchar_t company[64] = L"untouched";

    // This test program carries the setup's version record (4.58.0.0, whose
    // company is not in the US-English block).
    EXPECT_EQ(ReadVersionRecord(ThisExecutable().c_str(), version, company, 64), 1);
    EXPECT_STREQ(version, L"4.580");
    EXPECT_STREQ(company, L"");

    WriteFileBytes(scratch.file(L"plain.txt"), "no record here");
    wcscpy(version, L"untouched");
    EXPECT_EQ(ReadVersionRecord(scratch.file(L"plain.txt").c_str(), version, nullptr, 0), 0);
    EXPECT_EQ(ReadVersionRecord(scratch.file(L"missing.dll").c_str(), version, company, 64), 0);
    EXPECT_STREQ(version, L"untouched");
}

TEST(GetFileLength, Cases)
{
    ScratchFolder scratch;
    WriteFileBytes(scratch.file(L"five"), "12345");
    WriteFileBytes(scratch.file(L"empty"), "");
    EXPECT_EQ(GetFileLength(scratch.file(L"five").c_str()), 5);
    EXPECT_EQ(GetFileLength(scratch.file(L"empty").c_str()), 0);
    EXPECT_EQ(GetFileLength(scratch.file(L"missing").c_str()), 0);
    EXPECT_EQ(GetFileLength(L""), 0);
}

// Run by the silent rig with the reported Windows version set for this
// program; skipped when run on its own.
TEST(WindowsVersionProbes, AsReported)
{
    const char* expected = getenv("PICTOMAZE_EXPECTED_WINDOWS");
    if (!expected) GTEST_SKIP() << "needs PICTOMAZE_EXPECTED_WINDOWS";
    std::string v = expected;
    EXPECT_EQ(IsVistaOrLater(), v == "xp" ? 0 : 1);
    EXPECT_EQ(IsWindows8OrLater(), v == "10" ? 1 : 0);
}
