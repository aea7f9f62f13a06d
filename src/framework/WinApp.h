// Application object: the start-up hook the entry point calls once.
#pragma once
#include <windows.h>

class CPropertySheet;

class CWinApp {
public:
    CWinApp() = default;
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns false when the application is to end right away, as the setup always does.
    virtual BOOL InitInstance() { return FALSE; }

    // The process's exit code once InitInstance has returned.
    int m_nExitCode = 0;
    HWND m_hMainWnd = nullptr;
    // The window the application runs, while it runs.
    CPropertySheet* m_pMainWnd = nullptr;
};
