// A static text that paints itself: its own text colour on its own opaque
// background, in a font of its own (face, height, bold).
#pragma once
#include <windows.h>

#include "framework/Handles.h"
#include "framework/Static.h"

class CXColorStatic : public CStatic {
public:
    CXColorStatic();
    ~CXColorStatic() override = default;

    void SetForegroundColor(COLORREF colour, BOOL redraw = TRUE);
    // Rebuilds from the font the window reports, weight 700 or 400.
    void SetBold(BOOL bold, BOOL redraw = TRUE);
    // face null: the window font's face and fields, with the new height.
    void SetFaceAndHeight(const wchar_t* face, int height, BOOL redraw = TRUE);
    void RebuildFont(const LOGFONTW* logfont, BOOL redraw);

    // The font the control draws with (null before subclassing).
    HFONT GetFont() const { return m_font.get(); }
    COLORREF GetForegroundColor() const { return m_crText; }
    COLORREF GetBackgroundColor() const { return m_crBackground; }

protected:
    void PreSubclassWindow() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LOGFONTW WindowLogFont() const;
    void RedrawNow();
    void OnPaint();

    UniqueFont m_font;
    COLORREF m_crText;
    COLORREF m_crBackground;
    UniqueBrush m_brushBackground;
    BOOL m_bBold = FALSE;
};
