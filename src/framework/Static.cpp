#include "framework/Static.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x5374;  // one id for every CStatic
}

CStatic::~CStatic()
{
    if (m_hWnd) RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
}

bool CStatic::SubclassWindow(HWND hwnd)
{
    if (m_hWnd || !hwnd || !IsWindow(hwnd)) return false;
    m_hWnd = hwnd;
    PreSubclassWindow();
    if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        m_hWnd = nullptr;
        return false;
    }
    return true;
}

BOOL CStatic::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

CStatic* CStatic::FromHandle(HWND hwnd)
{
    DWORD_PTR ref = 0;
    if (!hwnd || !GetWindowSubclass(hwnd, SubclassProc, kSubclassId, &ref)) return nullptr;
    return reinterpret_cast<CStatic*>(ref);
}

bool CStatic::ReflectCtlColor(HWND child, HDC dc, HBRUSH* brush)
{
    CStatic* control = FromHandle(child);
    if (!control) return false;
    *brush = control->CtlColor(dc);
    return *brush != nullptr;
}

bool CStatic::ReflectCommand(HWND child, UINT notifyCode)
{
    CStatic* control = FromHandle(child);
    return control && control->OnChildNotify(notifyCode);
}

LRESULT CStatic::Default()
{
    return DefSubclassProc(m_hWnd, m_current.msg, m_current.wParam, m_current.lParam);
}

LRESULT CALLBACK CStatic::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR ref)
{
    auto* self = reinterpret_cast<CStatic*>(ref);
    if (msg == WM_NCDESTROY) {
        // The window goes; the object stays and may be bound to another one.
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->m_hWnd = nullptr;
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    CurrentMessage outer = self->m_current;
    self->m_current = {msg, wParam, lParam};
    LRESULT result = 0;
    if (!self->OnMessage(msg, wParam, lParam, &result)) result = DefSubclassProc(hwnd, msg, wParam, lParam);
    self->m_current = outer;
    return result;
}

void DDX_Control(CDataExchange* pDX, int id, CStatic& control)
{
    if (control.GetSafeHwnd()) return;
    control.SubclassWindow(GetDlgItem(pDX->m_hDlg, id));
}
