// Opens a top-level window of the viewer's class and waits until closed or
// killed: the "viewer is running" condition for the tests. With a file path
// as its argument it creates that file once the window exists.
#include <windows.h>

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"Pictomaze";
    RegisterClassW(&wc);
    CreateWindowW(L"Pictomaze", L"Viewer stand-in", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                  nullptr, instance, nullptr);
    if (commandLine && *commandLine) {
        HANDLE ready = CreateFileW(commandLine, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
