#include "controls/XColorStatic.h"

#include <cwchar>
#include <string>

CXColorStatic::CXColorStatic()
    : m_crText(GetSysColor(COLOR_BTNTEXT)),
      m_crBackground(GetSysColor(COLOR_BTNFACE)),
      m_brushBackground(CreateSolidBrush(m_crBackground))
{
}

LOGFONTW CXColorStatic::WindowLogFont() const
{
    // Without a window, or a window without a font, the stock fonts stand in,
    // as at subclassing.
    HFONT font = m_hWnd ? reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0)) : nullptr;
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!font) font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    LOGFONTW logfont = {};
    GetObjectW(font, sizeof(logfont), &logfont);
    return logfont;
}

void CXColorStatic::PreSubclassWindow()
{
    LOGFONTW logfont = WindowLogFont();
    m_font.reset(CreateFontIndirectW(&logfont));
}

void CXColorStatic::RedrawNow()
{
    if (m_hWnd) RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CXColorStatic::SetForegroundColor(COLORREF colour, BOOL redraw)
{
    m_crText = colour;
    if (redraw) RedrawNow();
}

void CXColorStatic::SetBold(BOOL bold, BOOL redraw)
{
    m_bBold = bold;
    LOGFONTW logfont = WindowLogFont();
    logfont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    RebuildFont(&logfont, redraw);
}

void CXColorStatic::SetFaceAndHeight(const wchar_t* face, int height, BOOL redraw)
{
    LOGFONTW logfont = {};
    if (face) {
        wcsncpy(logfont.lfFaceName, face, LF_FACESIZE - 1);  // at most 31 characters
    } else {
        logfont = WindowLogFont();
    }
    logfont.lfHeight = height;
    logfont.lfQuality = ANTIALIASED_QUALITY;
    RebuildFont(&logfont, redraw);
}

void CXColorStatic::RebuildFont(const LOGFONTW* logfont, BOOL redraw)
{
    if (!logfont) return;
    m_font.reset();
    LOGFONTW copy = *logfont;
    copy.lfWeight = m_bBold ? FW_BOLD : FW_NORMAL;
    m_font.reset(CreateFontIndirectW(&copy));
    if (redraw) RedrawNow();
}

bool CXColorStatic::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        *result = 0;
        return true;
    case WM_ERASEBKGND: {
        RECT client = {};
        GetClientRect(m_hWnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_brushBackground.get());
        *result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

void CXColorStatic::OnPaint()
{
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (!dc) return;
    int saved = SaveDC(dc);

    SetTextColor(dc, m_crText);
    SetBkColor(dc, m_crBackground);
    SetBkMode(dc, OPAQUE);
    SelectObject(dc, m_brushBackground.get());
    if (m_font) SelectObject(dc, m_font.get());

    int length = GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(m_hWnd, &text[0], length + 1)));

    const LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    const LONG_PTR alignment = style & SS_TYPEMASK;  // a type field, not flags
    UINT format = alignment == SS_CENTER ? DT_CENTER : alignment == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    format |= (style & SS_CENTERIMAGE) ? (DT_VCENTER | DT_SINGLELINE) : DT_WORDBREAK;

    RECT client = {};
    GetClientRect(m_hWnd, &client);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);

    RestoreDC(dc, saved);
    EndPaint(m_hWnd, &paint);
}
