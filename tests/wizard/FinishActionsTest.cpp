// The finish button: it opens the FAQ page and starts the viewer as the
// finish page's check boxes say, without a question.
#include <gtest/gtest.h>

#include "SetupDriver.h"
#include "resources/WizardControls.h"

namespace {

const wchar_t* const kFaqAddress = L"https://www.pictomaze.example/faq.html";
const wchar_t* const kFaqOpened = L"C:\\faq-opened.txt";
constexpr DWORD kInstallWaitMs = 300000;  // the ready page's Next installs

// Sets the welcome page's folder and goes on with Next to the finish page.
bool WalkToFinishPage(SetupProcess& setup, const wchar_t* folder)
{
    if (!setup.WaitForSheet() || !setup.WaitForPage(0)) return false;
    SetText(setup.Item(0, IDC_TARGET_FOLDER), folder);
    for (int page = 1; page <= 4; ++page) {
        setup.PressNext();
        if (!WaitFor([&] { return setup.ActivePage() == page || setup.FindMessageBox(); }, kInstallWaitMs)) {
            return false;
        }
        if (setup.FindMessageBox()) {
            ADD_FAILURE() << "message on the way: " << testing::PrintToString(MessageText(setup.FindMessageBox()));
            return false;
        }
    }
    return true;
}


// Ends the wizard with the finish button; false when a question came up.
bool Finish(SetupProcess& setup)
{
    Click(setup.SheetItem(IDCANCEL));
    bool asked = false;
    EXPECT_TRUE(WaitFor([&] {
        asked = asked || setup.FindMessageBox() != nullptr;
        return setup.HasExited();
    }));
    return !asked;
}

class FinishActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryTree(HKEY_CLASSES_ROOT, L"https\\shell");
        SetRegistryText(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", nullptr,
                        L"C:\\windows\\system32\\cmd.exe /c echo %1>>C:\\faq-opened.txt");
        DeleteFileW(kFaqOpened);
        CreateDirectoryW(L"C:\\FinishTest", nullptr);
        // A viewer started by the test before may still be ending and hold its file.
        ASSERT_TRUE(WaitFor([] { return CopyFileW(FakeViewerPath().c_str(), L"C:\\FinishTest\\p_maze32.exe", FALSE); }))
            << "PICTOMAZE_FAKE_VIEWER must name the stand-in viewer";
        ASSERT_TRUE(OtherViewerWindows().empty());
    }
    void TearDown() override
    {
        for (HWND viewer : OtherViewerWindows()) PostMessageW(viewer, WM_CLOSE, 0, 0);
        WaitFor([] { return OtherViewerWindows().empty(); });
    }
};

}  // namespace

TEST_F(FinishActions, OpensTheFaqAndStartsTheViewer)
{
    SetupProcess setup;
    // Without a trailing backslash: one is put before the viewer's name.
    ASSERT_TRUE(WalkToFinishPage(setup, L"C:\\FinishTest"));
    SetChecked(setup.Item(4, IDC_SHOW_FAQ), true);
    SetChecked(setup.Item(4, IDC_START_VIEWER), true);
    EXPECT_TRUE(Finish(setup)) << "no question on the finish page";

    EXPECT_TRUE(WaitFor([] { return ReadAnsiFile(kFaqOpened).find(kFaqAddress) != std::wstring::npos; }))
        << "the FAQ page was opened";
    // Bringing it to the front has a unit test of its own: across processes
    // the foreground here depends on which window Wine activates last.
    EXPECT_TRUE(WaitFor([] { return !OtherViewerWindows().empty(); }))
        << "the viewer was started from the chosen folder";
}

TEST_F(FinishActions, NothingCheckedJustEnds)
{
    SetupProcess setup;
    ASSERT_TRUE(WalkToFinishPage(setup, L"C:\\FinishTest\\"));
    SetChecked(setup.Item(4, IDC_SHOW_FAQ), false);
    SetChecked(setup.Item(4, IDC_START_VIEWER), false);
    EXPECT_TRUE(Finish(setup));
    EXPECT_TRUE(OtherViewerWindows().empty());
    EXPECT_FALSE(FileExists(kFaqOpened));
}
