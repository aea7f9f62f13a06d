// Logical pixels per inch of a window's device context (the screen for a null
// window); 96 when no device context can be had.
#pragma once
#include <windows.h>

inline int WindowDpi(HWND window)
{
    HDC dc = GetDC(window);
    if (!dc) return 96;
    int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return dpi;
}
