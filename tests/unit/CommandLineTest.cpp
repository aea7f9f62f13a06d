#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>

#include "app/CommandLine.h"

namespace {

// Reads a command line over the silent defaults of a machine without an
// earlier installation.
SilentOptions Read(const std::wstring& commandLine)
{
    SilentOptions o = {};
    wcscpy(o.targetFolder, L"C:\\Program Files (x86)\\Pictomaze");
    wcscpy(o.iniFolder, L"%APPDATA%\\Pictomaze");
    ReadSilentOptions(commandLine.c_str(), o);
    return o;
}

const wchar_t* kExe = L"\"C:\\setup\\PictomazeSetup.exe\" /silent ";

}  // namespace

TEST(SilentOptions, PathValues)
{
    struct Case { const wchar_t* args; const wchar_t* folder; const wchar_t* ini; };
    const Case cases[] = {
        {L"", L"C:\\Program Files (x86)\\Pictomaze", L"%APPDATA%\\Pictomaze"},
        {L"\"/folder=D:\\Tools\\Pictomaze\" /group=1", L"D:\\Tools\\Pictomaze", L"%APPDATA%\\Pictomaze"},
        // a quoted value followed by a blank and the next option
        {L"/folder=\"D:\\My Tools\\Pictomaze\" /group=1", L"D:\\My Tools\\Pictomaze", L"%APPDATA%\\Pictomaze"},
        {L"/folder=\"D:\\Tools\\\" /desktop=1", L"D:\\Tools\\", L"%APPDATA%\\Pictomaze"},
        // forward slashes end the value
        {L"/folder=D:/Apps/Pictomaze", L"D:", L"%APPDATA%\\Pictomaze"},
        {L"/folder=    /group=1", L"", L"%APPDATA%\\Pictomaze"},
        {L"/folder=", L"", L"%APPDATA%\\Pictomaze"},
        // the first occurrence counts
        {L"/folder=D:\\A /folder=D:\\B", L"D:\\A", L"%APPDATA%\\Pictomaze"},
        // an empty /ini= replaces the default
        {L"/ini=/group=1", L"C:\\Program Files (x86)\\Pictomaze", L""},
        {L"/ini=", L"C:\\Program Files (x86)\\Pictomaze", L""},
        {L"\"/ini=%LOCALAPPDATA%\\PM\"", L"C:\\Program Files (x86)\\Pictomaze", L"%LOCALAPPDATA%\\PM"},
    };
    for (const Case& c : cases) {
        SilentOptions o = Read(std::wstring(kExe) + c.args);
        EXPECT_STREQ(o.targetFolder, c.folder) << c.args;
        EXPECT_STREQ(o.iniFolder, c.ini) << c.args;
    }
}

TEST(SilentOptions, NumericValues)
{
    struct Case { const wchar_t* args; int desktop; int thumbs; int group; int allUsers; };
    const Case cases[] = {
        {L"/desktop=1 /thumbs=1 /group=1 /allusers=1", 1, 1, 1, 1},
        {L"/desktop=yes", 0, 0, 0, 0},
        {L"/desktop=2 /thumbs=-1", 2, -1, 0, 0},
        {L"/desktop=\"1\"", 0, 0, 0, 0},          // the quote is not a digit
        {L"/group=+7abc", 0, 0, 7, 0},
        {L"/group=   42", 0, 0, 42, 0},            // leading white space is skipped
        {L"/allusers=99999999999", 0, 0, 0, INT_MAX},
        {L"/allusers=-99999999999", 0, 0, 0, INT_MIN},
        {L"/desktop=0 /desktop=1", 0, 0, 0, 0},    // the first occurrence counts
        {L"/DESKTOP=1", 0, 0, 0, 0},               // names are case-sensitive
    };
    for (const Case& c : cases) {
        SilentOptions o = Read(std::wstring(kExe) + c.args);
        EXPECT_EQ(o.desktopShortcut, c.desktop) << c.args;
        EXPECT_EQ(o.thumbnailsShortcut, c.thumbs) << c.args;
        EXPECT_EQ(o.programGroup, c.group) << c.args;
        EXPECT_EQ(o.allUsers, c.allUsers) << c.args;
    }
}

TEST(SilentOptions, Associations)
{
    struct Case { const wchar_t* args; int selected; int any; int allUsers; };
    const Case cases[] = {
        {L"", 0, 0, 0},
        {L"/assoc=1", kImageGroupCount, 1, 0},
        {L"/assoc=2", kGroupCount, 1, 0},
        {L"/assoc=3", 0, 0, 0},
        {L"/assoc=1 /assocallusers", kImageGroupCount, 1, 1},
        {L"/assocallusers=0", 0, 0, 1},            // presence alone counts
    };
    for (const Case& c : cases) {
        SilentOptions o = Read(std::wstring(kExe) + c.args);
        int selected = 0;
        for (int i = 0; i < kGroupCount; ++i) selected += o.selection.IsSelected(i);
        EXPECT_EQ(selected, c.selected) << c.args;
        EXPECT_EQ(o.anySelected, c.any) << c.args;
        EXPECT_EQ(o.associateAllUsers, c.allUsers) << c.args;
        if (c.selected == kImageGroupCount) {
            EXPECT_TRUE(o.selection.IsSelected(46));
            EXPECT_FALSE(o.selection.IsSelected(47));
        }
    }
}

TEST(SilentOptions, OnlyTheFirst519CharactersAreSeen)
{
    std::wstring head = L"x";
    std::wstring padded = head + std::wstring(519 - head.size() - 9, L' ') + L"/group=1";  // ends at 518
    ASSERT_EQ(padded.size(), 518u);
    EXPECT_EQ(Read(padded).programGroup, 1);
    std::wstring pushed = L" " + padded + L"2";  // "/group=" now starts at 511, value cut after "1"
    EXPECT_EQ(Read(pushed).programGroup, 1);
    std::wstring beyond = std::wstring(519, L'x') + L" /group=1";
    EXPECT_EQ(Read(beyond).programGroup, 0);
}

TEST(SilentOptions, ValueLengthIsLimitedByTheOptionName)
{
    std::wstring longPath = L"D:\\" + std::wstring(300, L'a');
    SilentOptions o = Read(std::wstring(kExe) + L"/folder=" + longPath);
    EXPECT_EQ(wcslen(o.targetFolder), 252u);
    o = Read(std::wstring(kExe) + L"/ini=" + longPath);
    EXPECT_EQ(wcslen(o.iniFolder), 255u);
}

TEST(TidyOptionValue, Steps)
{
    struct Case { const wchar_t* in; const wchar_t* out; };
    const Case cases[] = {
        {L"", L""}, {L"   ", L""}, {L"\"D:\\X\"  ", L"D:\\X"}, {L"\"D:\\X \" ", L"D:\\X"},
        {L"\"", L""}, {L"\"\"", L""}, {L"D:\\X\"\"", L"D:\\X\""}, {L" D:\\X", L" D:\\X"},
    };
    for (const Case& c : cases) {
        wchar_t buffer[64];
        wcscpy(buffer, c.in);
        TidyOptionValue(buffer, true);
        EXPECT_STREQ(buffer, c.out) << c.in;
    }
}

// Random command lines must never break the reading, and every field must stay
// terminated inside its buffer.
TEST(SilentOptions, RandomCommandLinesStayInsideTheirBuffers)
{
    const wchar_t* pieces[] = {L"/folder=", L"/desktop=", L"/thumbs=", L"/group=", L"/allusers=", L"/assoc=",
                               L"/assocallusers", L"/ini=", L"/silent", L"\"", L"/", L"\\", L" ", L"  ",
                               L"-", L"+", L"0", L"1", L"2", L"9999999999", L"C:", L"%APPDATA%", L"ä", L"\t"};
    const wchar_t alphabet[] = L"abcXYZ019 \"/\\=:+-%.\t";
    std::mt19937 rng(20261211);
    struct Guarded {
        SilentOptions o;
        unsigned char guard[64];
    };
    static Guarded g;
    for (int run = 0; run < 100000; ++run) {
        std::wstring line;
        size_t target = rng() % 700;
        while (line.size() < target) {
            if (rng() % 3) {
                line += pieces[rng() % (sizeof(pieces) / sizeof(pieces[0]))];
            } else {
                line += alphabet[rng() % (sizeof(alphabet) / sizeof(alphabet[0]) - 1)];
            }
        }
        memset(static_cast<void*>(&g.o), 0xCC, sizeof(g.o));  // garbage beyond each terminator
        memset(g.guard, 0xAB, sizeof(g.guard));
        g.o.targetFolder[0] = g.o.iniFolder[0] = g.o.value[0] = L'\0';
        g.o.selection = AssociationSelection{};
        g.o.anySelected = g.o.associateAllUsers = 0;
        ReadSilentOptions(line.c_str(), g.o);

        ASSERT_LT(wcsnlen(g.o.commandLine, 520), 520u) << run;
        ASSERT_LT(wcsnlen(g.o.targetFolder, 520), 253u) << run;
        ASSERT_LT(wcsnlen(g.o.iniFolder, 520), 256u) << run;
        ASSERT_LT(wcsnlen(g.o.value, 260), 260u) << run;
        for (unsigned char b : g.guard) ASSERT_EQ(b, 0xAB) << run;
        for (int i = 0; i < kGroupCount; ++i) ASSERT_TRUE(g.o.selection.flags[i] == 0 || g.o.selection.flags[i] == 1);
    }
}
