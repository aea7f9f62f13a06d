// The folder picker of the welcome page: it opens at the field's folder, and
// the chosen folder comes back with the product folder where it belongs.
#include <gtest/gtest.h>

#include "SetupDriver.h"
#include "resources/WizardControls.h"

namespace {

bool PickerShowsTitle(HWND picker)
{
    for (HWND child = GetWindow(picker, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (TextOf(child) == L"Zielverzeichnis:") return true;
    }
    return false;
}

}  // namespace

TEST(BrowseFolder, ChosenFolderGetsTheProductFolder)
{
    CreateDirectoryW(L"C:\\BrowseTest", nullptr);
    CreateDirectoryW(L"C:\\BrowseTest\\Tools", nullptr);
    CreateDirectoryW(L"C:\\BrowseTest\\Tools\\PICTOMAZE", nullptr);

    SetupProcess setup;
    ASSERT_TRUE(setup.WaitForSheet());
    ASSERT_TRUE(setup.WaitForPage(0));
    HWND field = setup.Item(0, IDC_TARGET_FOLDER);

    // OK takes the folder the picker opened at: the field's own.
    const struct {
        const wchar_t* field;
        const wchar_t* result;
    } cases[] = {
        {L"C:\\BrowseTest\\Tools\\", L"C:\\BrowseTest\\Tools\\Pictomaze\\"},
        {L"C:\\BrowseTest\\Tools", L"C:\\BrowseTest\\Tools\\Pictomaze\\"},
        {L"C:\\BrowseTest\\Tools\\PICTOMAZE\\", L"C:\\BrowseTest\\Tools\\PICTOMAZE\\"},
        {L"C:\\", L"C:\\Pictomaze\\"},
    };
    for (const auto& c : cases) {
        SetText(field, c.field);
        Click(setup.Item(0, IDC_BROWSE));
        HWND picker = setup.WaitForFolderPicker();
        ASSERT_NE(picker, nullptr) << testing::PrintToString(std::wstring(c.field));
        EXPECT_TRUE(PickerShowsTitle(picker));
        Answer(picker, IDOK);
        EXPECT_TRUE(WaitFor([&] { return TextOf(field) == c.result; }))
            << testing::PrintToString(TextOf(field)) << " for " << testing::PrintToString(std::wstring(c.field));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(picker); }));
    }

    // Cancelling the picker leaves the field alone.
    SetText(field, L"C:\\BrowseTest\\Tools\\");
    Click(setup.Item(0, IDC_BROWSE));
    HWND picker = setup.WaitForFolderPicker();
    ASSERT_NE(picker, nullptr);
    Answer(picker, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(picker); }));
    EXPECT_EQ(TextOf(field), L"C:\\BrowseTest\\Tools\\");
}
