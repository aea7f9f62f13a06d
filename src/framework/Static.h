// A static control of a dialog, taken over by subclassing. The dialog hands
// the control the messages it sends about itself (WM_CTLCOLORSTATIC and its
// WM_COMMAND notifications), so the control can answer them.
#pragma once
#include <windows.h>

class CStatic {
public:
    CStatic() = default;
    virtual ~CStatic();
    CStatic(const CStatic&) = delete;
    CStatic& operator=(const CStatic&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Attaches the object to an existing window; false when the object is
    // attached already or there is no window.
    bool SubclassWindow(HWND hwnd);
    virtual BOOL DestroyWindow();

    // The object attached to a window, or null.
    static CStatic* FromHandle(HWND hwnd);

    // Called by the parent dialog. True when the child took the message;
    // *brush is then the dialog's answer to WM_CTLCOLORSTATIC.
    static bool ReflectCtlColor(HWND child, HDC dc, HBRUSH* brush);
    static bool ReflectCommand(HWND child, UINT notifyCode);

protected:
    // Runs once the window handle is known, before any message arrives.
    virtual void PreSubclassWindow() {}
    // True when the message was handled; *result is then its answer.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }
    // Reflected WM_CTLCOLORSTATIC; null leaves the answer to the dialog.
    virtual HBRUSH CtlColor(HDC) { return nullptr; }
    // Reflected notification (STN_CLICKED ...); true when handled.
    virtual bool OnChildNotify(UINT) { return false; }

    // The window's own processing of the message being handled.
    LRESULT Default();

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    struct CurrentMessage {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current = {};
};

// Dialog data exchange: the dialog a page exchanges with and the direction.
struct CDataExchange {
    HWND m_hDlg;
    bool m_bSaveAndValidate;
};

// Binds a dialog item to a control object the first time only, as the page
// exchanges data on every activation.
void DDX_Control(CDataExchange* pDX, int id, CStatic& control);
