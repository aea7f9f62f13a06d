#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "install/PathOperations.h"

TEST(TrimBlanks, Cases)
{
    struct Case { std::wstring in; std::wstring out; };
    std::wstring longPath = L" " + std::wstring(269, L'a');
    const Case cases[] = {
        {L"", L""}, {L"   ", L""}, {L"  C:\\A  ", L"C:\\A"}, {L"C:\\A \\B ", L"C:\\A \\B"},
        {longPath + L"  ", longPath},  // 270 characters starting with a blank: only the tail goes
    };
    for (const Case& c : cases) {
        wchar_t buffer[520];
        wcscpy(buffer, c.in.c_str());
        TrimBlanks(buffer);
        EXPECT_EQ(std::wstring(buffer), c.out);
    }
}

TEST(AppendBackslash, Cases)
{
    struct Case { std::wstring in; std::wstring out; };
    const Case cases[] = {
        {L"", L""}, {L"C:", L"C:\\"}, {L"C:\\", L"C:\\"},
        {std::wstring(258, L'a'), std::wstring(258, L'a') + L"\\"},
        {std::wstring(259, L'a'), std::wstring(259, L'a')},
    };
    for (const Case& c : cases) {
        wchar_t buffer[520];
        wcscpy(buffer, c.in.c_str());
        AppendBackslash(buffer);
        EXPECT_EQ(std::wstring(buffer), c.out);
    }
}

TEST(CreateFolderPath, CreatesLevelsAndNormalises)
{
    ScratchFolder scratch;
    wchar_t here[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, here);

    // A level that ends with a blank loses the blank.
    std::wstring in = L"  " + scratch.path() + L"A \\B";
    wchar_t buffer[520];
    wcscpy(buffer, in.c_str());
    EXPECT_EQ(CreateFolderPath(buffer), 1);
    EXPECT_EQ(std::wstring(buffer), scratch.path() + L"A\\B\\");
    EXPECT_NE(GetFileAttributesW((scratch.path() + L"A\\B").c_str()), INVALID_FILE_ATTRIBUTES);

    // An existing folder is only trimmed and given its backslash.
    wcscpy(buffer, (scratch.path() + L"A  ").c_str());
    EXPECT_EQ(CreateFolderPath(buffer), 1);
    EXPECT_EQ(std::wstring(buffer), scratch.path() + L"A\\");

    wchar_t after[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(after, here);  // the current directory is left as it was
}

TEST(CreateFolderPath, Failures)
{
    ScratchFolder scratch;
    WriteFileBytes(scratch.file(L"plain"), "x");
    const std::wstring cases[] = {
        L"", L"    ",
        L"Q:\\Nowhere\\Pictomaze",                   // no such drive
        scratch.path() + L"plain\\sub",              // a file on the way
        scratch.path() + std::wstring(300, L'a'),    // longer than a path can be
    };
    for (const std::wstring& c : cases) {
        wchar_t buffer[520];
        wcscpy(buffer, c.c_str());
        EXPECT_EQ(CreateFolderPath(buffer), 0) << c.size();
    }
}
