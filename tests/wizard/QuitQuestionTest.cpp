// Leaving the wizard before the end: the cancel button, Esc and the close box
// all ask first, with No as the default answer.
#include <gtest/gtest.h>

#include "SetupDriver.h"
#include "resources/WizardControls.h"

namespace {

struct Way {
    const char* name;
    void (*leave)(const SetupProcess&);
};

const Way kWays[] = {
    {"cancel button", [](const SetupProcess& s) { Click(s.SheetItem(IDCANCEL)); }},
    {"Esc",
     [](const SetupProcess& s) {
         ClickToFocus(s.Sheet());
         EXPECT_TRUE(PressKey(s.Sheet(), VK_ESCAPE));
     }},
    {"close box", [](const SetupProcess& s) { PostMessageW(s.Sheet(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

// The question is there, with No as default; returns it.
HWND ExpectQuestion(SetupProcess& setup, const char* way)
{
    HWND box = setup.WaitForMessageBox();
    EXPECT_NE(box, nullptr) << way;
    if (!box) return nullptr;
    EXPECT_EQ(MessageText(box), L"Installation beenden?") << way;
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr) << way;
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr) << way;
    EXPECT_EQ(DefaultButton(box), IDNO) << way;
    return box;
}

}  // namespace

TEST(QuitQuestion, NoKeepsTheWizardYesEndsIt)
{
    for (const Way& way : kWays) {
        SetupProcess setup;
        ASSERT_TRUE(setup.WaitForSheet()) << way.name;
        ASSERT_TRUE(setup.WaitForPage(0)) << way.name;

        way.leave(setup);
        HWND box = ExpectQuestion(setup, way.name);
        ASSERT_NE(box, nullptr);
        // Enter takes the default answer.
        ASSERT_TRUE(PressKey(box, VK_RETURN));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); })) << way.name;
        EXPECT_FALSE(setup.HasExited()) << way.name;
        EXPECT_TRUE(setup.WaitForPage(0)) << way.name;

        way.leave(setup);
        box = ExpectQuestion(setup, way.name);
        ASSERT_NE(box, nullptr);
        Answer(box, IDYES);
        bool asked = false;
        EXPECT_TRUE(WaitFor([&] {
            asked = asked || (setup.FindMessageBox() != nullptr && setup.FindMessageBox() != box);
            return setup.HasExited();
        })) << way.name;
        EXPECT_FALSE(asked) << way.name << ": asked twice";
    }
}

TEST(QuitQuestion, AskedOnLaterPagesToo)
{
    SetupProcess setup;
    ASSERT_TRUE(setup.WaitForSheet());
    for (int page = 1; page <= 3; ++page) {
        setup.PressNext();
        ASSERT_TRUE(setup.WaitForPage(page));
        for (const Way& way : kWays) {
            way.leave(setup);
            HWND box = ExpectQuestion(setup, way.name);
            ASSERT_NE(box, nullptr);
            Answer(box, IDNO);
            ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
            EXPECT_EQ(setup.ActivePage(), page) << way.name;
        }
    }
    EXPECT_FALSE(setup.HasExited());
}
