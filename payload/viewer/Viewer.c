/* Stand-in for the Pictomaze viewer: one window of the class "Pictomaze" that
   names the file it was started with. It opens nothing and writes nothing; the
   setup only needs a real program to install, link to and find running. */
#include <windows.h>

static const wchar_t kClassName[] = L"Pictomaze";
static wchar_t g_shown[1024];

static LRESULT CALLBACK ViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        RECT rc;
        HDC dc = BeginPaint(hwnd, &ps);
        GetClientRect(hwnd, &rc);
        InflateRect(&rc, -12, -12);
        DrawTextW(dc, g_shown, -1, &rc, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE prev, PWSTR cmdLine, int show)
{
    WNDCLASSEXW wc;
    HWND hwnd;
    MSG msg;
    (void)prev;

    lstrcpynW(g_shown, L"Pictomaze 4.58 stand-in viewer\r\n\r\n", 1024);
    if (cmdLine && cmdLine[0]) {
        lstrcatW(g_shown, L"File: ");
        lstrcpynW(g_shown + lstrlenW(g_shown), cmdLine, 1024 - lstrlenW(g_shown));
    } else {
        lstrcatW(g_shown, L"(no file given)");
    }

    ZeroMemory(&wc, sizeof(wc));
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc)) return 1;

    hwnd = CreateWindowExW(0, kClassName, L"Pictomaze", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480,
                           200, NULL, NULL, instance, NULL);
    if (!hwnd) return 1;
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);

    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return (int)msg.wParam;
}
