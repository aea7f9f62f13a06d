// A plain top-level window with static children for the control tests; the
// window passes the statics' WM_CTLCOLORSTATIC and notifications back to them
// as the wizard pages do.
#pragma once
#include <windows.h>

#include "framework/Static.h"

class TestHostWindow {
public:
    explicit TestHostWindow(bool visible = false)
    {
        static const wchar_t* kClass = L"PictomazeTestHost";
        static ATOM atom = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = HostProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
            wc.lpszClassName = kClass;
            return RegisterClassW(&wc);
        }();
        (void)atom;
        m_hwnd = CreateWindowExW(0, kClass, L"host", WS_POPUP, 50, 50, 500, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        // On the screen without taking the foreground from other tests.
        if (visible) ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
        LOGFONTW logfont = {};
        logfont.lfHeight = -11;
        wcscpy(logfont.lfFaceName, L"Tahoma");
        m_font = CreateFontIndirectW(&logfont);
    }
    ~TestHostWindow()
    {
        DestroyWindow(m_hwnd);
        DeleteObject(m_font);
    }
    TestHostWindow(const TestHostWindow&) = delete;
    TestHostWindow& operator=(const TestHostWindow&) = delete;

    HWND Static(const wchar_t* text, DWORD style, int x, int y, int width, int height)
    {
        HWND child = CreateWindowExW(0, L"Static", text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                     m_hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        return child;
    }

    HWND hwnd() const { return m_hwnd; }
    HFONT font() const { return m_font; }

private:
    static LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_CTLCOLORSTATIC) {
            HBRUSH brush = nullptr;
            if (CStatic::ReflectCtlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), &brush)) {
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        if (msg == WM_COMMAND && lParam &&
            CStatic::ReflectCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) {
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }

    HWND m_hwnd = nullptr;
    HFONT m_font = nullptr;
};

// Rectangle of a child in its parent's client coordinates.
inline RECT ChildRect(HWND child)
{
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline LOGFONTW FontOf(HFONT font)
{
    LOGFONTW logfont = {};
    GetObjectW(font, sizeof(logfont), &logfont);
    return logfont;
}

// Delivers what is queued for this thread's windows (timers, paints).
inline void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
