// A stand-in for the installed viewer: a window of the viewer's class that
// does not take the foreground by itself, so the setup has to bring it there.
#include <windows.h>

namespace {
LRESULT CALLBACK ViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = instance;
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = L"Pictomaze";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, L"Pictomaze", L"Pictomaze stand-in", WS_OVERLAPPEDWINDOW, 700, 100, 300, 200,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
