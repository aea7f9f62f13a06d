// The folder picker of the welcome page: it opens at the field's folder, and
// the chosen folder comes back with the product folder where it belongs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

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

// Opens the picker with the Browse button and waits until its tree shows
// `selected`. Wine's picker now and then misses a preselection (its item
// comparison is not reliable), so it is opened again up to three times: the
// setup asks for the same folder every time.
HWND OpenPickerAt(SetupProcess& setup, const wchar_t* selected, std::wstring* shown)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        Click(setup.Item(0, IDC_BROWSE));
        HWND picker = setup.WaitForFolderPicker();
        if (!picker) return nullptr;
        HWND tree = FindDescendant(picker, WC_TREEVIEWW);
        if (WaitFor([&] { return (*shown = setup.SelectedTreeItem(tree)).find(selected) != std::wstring::npos; },
                    5000)) {
            return picker;
        }
        Answer(picker, IDCANCEL);
        if (!WaitFor([&] { return !IsWindow(picker); })) return nullptr;
    }
    return nullptr;
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
        const wchar_t* selected;  // what the picker's tree shows selected
        const wchar_t* result;
    } cases[] = {
        {L"C:\\BrowseTest\\Tools\\", L"Tools", L"C:\\BrowseTest\\Tools\\Pictomaze\\"},
        {L"C:\\BrowseTest\\Tools", L"Tools", L"C:\\BrowseTest\\Tools\\Pictomaze\\"},
        {L"C:\\BrowseTest\\Tools\\PICTOMAZE\\", L"PICTOMAZE", L"C:\\BrowseTest\\Tools\\PICTOMAZE\\"},
        {L"C:\\", L"(C:)", L"C:\\Pictomaze\\"},
    };
    for (const auto& c : cases) {
        const std::string name = testing::PrintToString(std::wstring(c.field));
        SetText(field, c.field);
        std::wstring shown;
        HWND picker = OpenPickerAt(setup, c.selected, &shown);
        ASSERT_NE(picker, nullptr) << name << ": the picker showed " << testing::PrintToString(shown);
        EXPECT_TRUE(PickerShowsTitle(picker)) << name;
        EXPECT_EQ(TextOf(field), c.field) << name << ": unchanged while the picker is open";
        Answer(picker, IDOK);
        EXPECT_TRUE(WaitFor([&] { return TextOf(field) == c.result; }))
            << testing::PrintToString(TextOf(field)) << " for " << name;
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
