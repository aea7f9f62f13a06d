#include <gtest/gtest.h>

#include "WizardTestWindows.h"
#include "wizard/WizPropertySheet.h"

namespace {

// A top-level window of the viewer's class, on the screen but not active.
class ViewerStandIn {
public:
    ViewerStandIn()
    {
        static ATOM atom = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"Pictomaze";
            return RegisterClassW(&wc);
        }();
        (void)atom;
        m_hwnd = CreateWindowExW(0, L"Pictomaze", L"Pictomaze", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    }
    ~ViewerStandIn() { DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

}  // namespace

// One test for both cases: a viewer window of a parallel test would spoil the first.
TEST(WizardFrame, BringsTheViewerToTheFrontOrGivesUp)
{
    CWizPropertySheet frame(L"Pictomaze Setup");
    ASSERT_EQ(FindWindowW(L"Pictomaze", nullptr), nullptr);
    EXPECT_FALSE(frame.BringViewerToFront()) << "no viewer window within the attempts";

    TestHostWindow other(true);
    SetForegroundWindow(other.hwnd());
    ViewerStandIn viewer;
    ASSERT_NE(GetForegroundWindow(), viewer.hwnd());
    EXPECT_TRUE(frame.BringViewerToFront());
    PumpMessages();
    EXPECT_EQ(GetForegroundWindow(), viewer.hwnd());
}
