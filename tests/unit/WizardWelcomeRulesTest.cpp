#include <gtest/gtest.h>

#include <string>

#include "install/InstallOptions.h"
#include "wizard/WelcomeRules.h"

TEST(WizardWelcomeRules, TemplateTextsTakeTheirArguments)
{
    EXPECT_EQ(FormatTemplateText(L"Willkommen zur Pictomaze %s Installation!", {L"32"}),
              L"Willkommen zur Pictomaze 32 Installation!");
    EXPECT_EQ(FormatTemplateText(L"Dieses Programm wird Pictomaze Version  %s  (%s bit) auf Ihrem PC "
                                 L"installieren.\n(Bitte mit Admin-Rechten ausf\u00fchren)",
                                 {L"4.58", L"32"}),
              L"Dieses Programm wird Pictomaze Version  4.58  (32 bit) auf Ihrem PC installieren.\n"
              L"(Bitte mit Admin-Rechten ausf\u00fchren)");
    // Other specifiers are text, never read as arguments.
    EXPECT_EQ(FormatTemplateText(L"%d %s %s 100%%", {L"a"}), L"%d a  100%");
}

TEST(WizardWelcomeRules, NextNeedsADrivePart)
{
    const struct {
        const wchar_t* folder;
        bool accepted;
    } cases[] = {
        {L"C:\\Program Files (x86)\\Pictomaze", true},
        {L"D:", true},
        {L"z:relative", true},
        {L"", false},
        {L"Programme\\Pictomaze", false},
        {L"\\\\server\\share\\Pictomaze", false},
        {L" C:\\Pictomaze", false},
        {L"C", false},
    };
    for (const auto& c : cases) EXPECT_EQ(HasDrivePart(c.folder), c.accepted) << c.folder;
}

TEST(WizardWelcomeRules, BrowsedFolderGetsTheProductFolder)
{
    const struct {
        const wchar_t* chosen;
        const wchar_t* field;
    } cases[] = {
        {L"D:\\Programme\\", L"D:\\Programme\\Pictomaze\\"},
        {L"D:\\Programme", L"D:\\Programme\\Pictomaze\\"},
        {L"E:\\", L"E:\\Pictomaze\\"},
        {L"E:\\Tools\\PICTOMAZE\\", L"E:\\Tools\\PICTOMAZE\\"},
        {L"E:\\Tools\\pictomaze", L"E:\\Tools\\pictomaze\\"},
        {L"E:\\Pictomaze\\", L"E:\\Pictomaze\\"},
        {L"E:\\Pictomaze2\\", L"E:\\Pictomaze2\\Pictomaze\\"},
        {L"\\\\server\\share\\", L"\\\\server\\share\\Pictomaze\\"},
        // No parent folder and no drive root: nothing appended.
        {L"\\Data\\", L"\\Data\\"},
        {L"Data\\", L"Data\\"},
    };
    for (const auto& c : cases) {
        wchar_t folder[kPathChars] = {};
        wcscpy(folder, c.chosen);
        EXPECT_TRUE(AppendProductFolder(folder)) << c.chosen;
        EXPECT_STREQ(folder, c.field) << c.chosen;
    }
}

TEST(WizardWelcomeRules, TooLongForTheProductFolderKeepsTheField)
{
    // 259 characters in all is the longest the field's buffer holds.
    const std::wstring base = L"C:\\" + std::wstring(245, L'x') + L"\\";  // 249 characters
    const struct {
        std::wstring chosen;
        bool fits;
    } cases[] = {
        {base, true},                                           // 249 + 10 = 259
        {base + L"y", false},                                   // 250 + 1 + 10
        {L"C:\\" + std::wstring(246, L'x') + L"\\", false},     // 250 + 10
        {L"C:\\" + std::wstring(245, L'x') + L"\\Pictomaze\\", true},  // nothing to append
        {L"C:\\" + std::wstring(256, L'x'), false},             // no room for the backslash
    };
    for (const auto& c : cases) {
        wchar_t folder[kPathChars] = {};
        wcscpy(folder, c.chosen.c_str());
        EXPECT_EQ(AppendProductFolder(folder), c.fits) << c.chosen.size();
        if (c.fits) {
            EXPECT_LE(wcslen(folder), 259u);
        } else {
            EXPECT_EQ(folder, c.chosen) << "the field keeps its text";
        }
    }
}

TEST(WizardWelcomeRules, PickerOpensAtTheFieldsFolder)
{
    EXPECT_EQ(PickerPreselection(L"C:\\"), L"C:\\");
    EXPECT_EQ(PickerPreselection(L"C:\\Foo\\"), L"C:\\Foo");
    EXPECT_EQ(PickerPreselection(L"C:\\Foo"), L"C:\\Foo");
    EXPECT_EQ(PickerPreselection(L""), L"");
}
