// A static text of a dialog turned into a web link: link colour, hover colour
// under the mouse, visited colour after a successful open, a hand cursor.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Handles.h"
#include "framework/Static.h"

class CHyperLink : public CStatic {
public:
    CHyperLink() = default;
    ~CHyperLink() override;

    void SetUrl(const wchar_t* address);
    const std::wstring& GetUrl() const { return m_strUrl; }
    // 1: underlined at all times; -1: while the mouse is over it; other: never.
    void SetUnderlineMode(int mode);
    int GetUnderlineMode() const { return m_nUnderline; }
    bool IsVisited() const { return m_bVisited != FALSE; }

    // Opens the address in the web browser; above 32 means success.
    static INT_PTR OpenLinkTarget(const wchar_t* address, int showCommand);

    BOOL DestroyWindow() override;

    COLORREF m_crLinkColour = RGB(0, 0, 238);
    COLORREF m_crVisitedColour = RGB(85, 26, 139);
    COLORREF m_crHoverColour = RGB(255, 0, 0);

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    HBRUSH CtlColor(HDC dc) override;
    bool OnChildNotify(UINT notifyCode) override;

private:
    void FitWindowToText();
    void LoadLinkCursor();
    void OnMouseMove();
    void OnTimer();
    void OnLinkClicked();

    BOOL m_bOverControl = FALSE;
    BOOL m_bVisited = FALSE;
    int m_nUnderline = -1;
    BOOL m_bAdjustToFit = TRUE;
    std::wstring m_strUrl;
    UniqueFont m_fontUnderline;
    UniqueFont m_fontStandard;
    HCURSOR m_hLinkCursor = nullptr;
    UINT m_nTimerID = 100;
};

// The fallback browser command: the registered open command cut where its "%1"
// placeholder begins (the quoted form first, then the bare one), followed by a
// space and the address. False when the result would not fit `capacity`
// characters with its terminator; a cut-off command is never started.
bool BuildBrowserCommand(const wchar_t* openCommand, const wchar_t* address, wchar_t* out, size_t capacity);
