// A running viewer is reported on every activation of the welcome page, and
// only there.
#include <gtest/gtest.h>

#include <memory>

#include "SetupDriver.h"

namespace {
const wchar_t* const kViewerRunning =
    L"Warnung: Pictomaze l\u00e4uft!\nBeenden Sie bitte Pictomaze bevor Sie mit der Installation fortsetzen!";

void ExpectWarningAndClose(SetupProcess& setup, const char* when)
{
    HWND box = setup.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << when;
    EXPECT_EQ(MessageText(box), kViewerRunning) << when;
    Answer(box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); })) << when;
}
}  // namespace

TEST(ViewerRunning, WarnedOnEveryActivationOfTheWelcomePage)
{
    auto viewer = std::make_unique<ViewerWindow>();
    ASSERT_NE(viewer->hwnd(), nullptr);

    SetupProcess setup;
    ExpectWarningAndClose(setup, "at the start");
    ASSERT_TRUE(setup.WaitForSheet());
    ASSERT_TRUE(setup.WaitForPage(0)) << "the page stays usable";

    // Leaving the welcome page does not warn; coming back does.
    setup.PressNext();
    ASSERT_TRUE(setup.WaitForPage(1));
    EXPECT_EQ(setup.FindMessageBox(), nullptr);
    setup.PressBack();
    ExpectWarningAndClose(setup, "back on the welcome page");
    ASSERT_TRUE(setup.WaitForPage(0));

    // The activation finishes only after its warning: no viewer, no warning.
    viewer.reset();
    setup.PressNext();
    ASSERT_TRUE(setup.WaitForPage(1));
    setup.PressBack();
    ASSERT_TRUE(setup.WaitForPage(0));
    EXPECT_EQ(setup.FindMessageBox(), nullptr);
}

TEST(ViewerRunning, ViewerStartedLaterIsReportedOnReturn)
{
    SetupProcess setup;
    ASSERT_TRUE(setup.WaitForSheet());
    ASSERT_TRUE(setup.WaitForPage(0));
    setup.PressNext();
    ASSERT_TRUE(setup.WaitForPage(1));

    ViewerWindow viewer;
    setup.PressBack();
    ExpectWarningAndClose(setup, "viewer started on the release notes page");
    EXPECT_TRUE(setup.WaitForPage(0));
}
