// The wizard driver: GoogleTest suites against the real setup, or, with
// --walk-pages, a walk through the pages for the screenshots of `make wizard`.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "SetupDriver.h"
#include "resources/WizardControls.h"

namespace {

bool WaitForLine()
{
    char line[64];
    return fgets(line, sizeof(line), stdin) != nullptr;
}

void Report(const char* what, int index, HWND window)
{
    RECT r = ScreenRect(window);
    printf("%s %d %ld %ld %ld %ld\n", what, index, r.left, r.top, r.right, r.bottom);
    fflush(stdout);
}

// Prints "page <index> <left> <top> <right> <bottom>" for each page reached
// and waits for a line on stdin before going on with Next.
int WalkPages()
{
    SetupProcess setup;
    if (!setup.WaitForSheet()) return 1;
    for (int page = 0; page <= 4; ++page) {
        WaitFor([&] { return setup.ActivePage() == page || setup.FindMessageBox(); }, 300000);
        if (HWND box = setup.FindMessageBox()) {
            Report("box", page, box);
            WaitForLine();
            return 1;
        }
        if (setup.ActivePage() != page) return 1;
        setup.WaitForIdle();
        Report("page", page, setup.Sheet());
        if (!WaitForLine()) return 1;
        if (page < 4) setup.PressNext();
    }
    SetChecked(setup.Item(4, IDC_SHOW_FAQ), false);
    SetChecked(setup.Item(4, IDC_START_VIEWER), false);
    Click(setup.SheetItem(IDCANCEL));
    return setup.WaitForExit() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // Screen coordinates as the per-monitor aware setup sees them, at any DPI.
    SetProcessDPIAware();
    if (argc > 1 && strcmp(argv[1], "--walk-pages") == 0) return WalkPages();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
