#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "wizard/ReleaseNotes.h"

using namespace std::string_literals;

namespace {

// The text box's buffer after copying `bytes` of resource data.
std::wstring Copied(const std::string& bytes)
{
    std::vector<wchar_t> buffer(kReleaseNotesChars, L'#');
    CopyReleaseNotes(bytes.data(), static_cast<DWORD>(bytes.size()), buffer.data());
    EXPECT_EQ(buffer.back(), L'\0') << "the last unit is always the terminator";
    return buffer.data();
}

std::string Bytes(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

std::string ResourceBytes()
{
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(self, MAKEINTRESOURCEW(IDR_RELEASE_NOTES), L"TXT");
    if (!resource) return "";
    const char* data = static_cast<const char*>(LockResource(LoadResource(self, resource)));
    return std::string(data, SizeofResource(self, resource));
}

}  // namespace

TEST(ReleaseNotes, EndIsStrippedBackToTheLastLetterOrDigit)
{
    struct Case {
        std::wstring text;
        std::wstring shown;
    };
    const Case cases[] = {
        {L"\uFEFFNeu in 4.58.\r\n", L"\uFEFFNeu in 4.58"},
        {L"\uFEFFDanke!\r\n\r\n  \t", L"\uFEFFDanke"},
        {L"\uFEFFVersion 4.58", L"\uFEFFVersion 4.58"},
        {L"\uFEFFGr\u00fc\u00dfe aus \u00d6sterreich \u2013 \u00e4", L"\uFEFFGr\u00fc\u00dfe aus \u00d6sterreich \u2013 \u00e4"},
        {L"\uFEFFDie \u00dcbersicht (\u03a9).\r\n", L"\uFEFFDie \u00dcbersicht (\u03a9"},
        {L"\uFEFF...\r\n", L""},  // nothing but punctuation: the byte order mark goes too
        {L"", L""},
        {L"Mitte\0Ende!"s, L"Mitte"},  // the text ends at its first terminator
    };
    for (const Case& c : cases) EXPECT_EQ(Copied(Bytes(c.text)), c.shown) << testing::PrintToString(c.text);
}

// A text of 20480 bytes or more does not fit its terminator into the box's
// buffer; it is cut to whole characters, never to half of one.
TEST(ReleaseNotes, LongTextIsCutToWholeCharactersWithTerminator)
{
    struct Case {
        size_t bytes;
        size_t shown;  // characters shown
    };
    const Case cases[] = {
        {20476, 10238}, {20478, 10239}, {20479, 10239}, {20480, 10239}, {20481, 10239}, {40000, 10239},
        {7, 3},  // an odd last byte is no character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        std::string bytes;
        for (size_t i = 0; bytes.size() < c.bytes; ++i) bytes += Bytes(std::wstring(1, L'a' + i % 26));
        bytes.resize(c.bytes, 'x');
        std::wstring shown = Copied(bytes);
        ASSERT_EQ(shown.size(), c.shown);
        EXPECT_EQ(shown.back(), static_cast<wchar_t>(L'a' + (c.shown - 1) % 26));
    }
}

TEST(ReleaseNotes, CutInsideASurrogatePairDropsTheHalfCharacter)
{
    std::wstring text(10238, L'z');
    text += L"\U0001F600";  // units 10238 and 10239: only the high half fits
    std::wstring shown = Copied(Bytes(text));
    EXPECT_EQ(shown, std::wstring(10238, L'z'));
}

// The program's own resource: UTF-16 with byte order mark and CR LF, small
// enough to be shown whole, German, ending in a letter or digit once stripped.
TEST(ReleaseNotes, ResourceOfTheProgram)
{
    std::string bytes = ResourceBytes();
    ASSERT_FALSE(bytes.empty());
    ASSERT_EQ(bytes.size() % 2, 0u);
    EXPECT_LT(bytes.size(), 20480u);
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    EXPECT_EQ(text[0], L'\uFEFF');
    EXPECT_EQ(text.find(L'\0'), std::wstring::npos);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == L'\r') << "bare line feed at " << i;
        }
    }
    EXPECT_NE(text.find(L"4.58"), std::wstring::npos);
    EXPECT_NE(text.find(L"\u00e4"), std::wstring::npos) << "umlauts survive the conversion";

    std::vector<wchar_t> buffer(kReleaseNotesChars);
    ASSERT_TRUE(ReadReleaseNotes(GetModuleHandleW(nullptr), buffer.data()));
    std::wstring shown = buffer.data();
    EXPECT_EQ(shown, text.substr(0, shown.size()));
    ASSERT_FALSE(shown.empty());
    EXPECT_TRUE(IsCharAlphaNumericW(shown.back()));
    for (wchar_t c : text.substr(shown.size())) EXPECT_FALSE(IsCharAlphaNumericW(c)) << "only the end is stripped";
}

TEST(ReleaseNotes, ModuleWithoutTheResourceLeavesTheBuffer)
{
    std::vector<wchar_t> buffer(kReleaseNotesChars, L'#');
    buffer.back() = L'\0';
    EXPECT_FALSE(ReadReleaseNotes(GetModuleHandleW(L"kernel32.dll"), buffer.data()));
    EXPECT_EQ(buffer[0], L'#');
}
