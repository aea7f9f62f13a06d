// A modal property sheet on PropertySheetW. The sheet window is subclassed
// from the sheet callback (PSCB_INITIALIZED) so that its commands and system
// commands reach virtual hooks before the sheet's own handling.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/PropertyPage.h"

class CPropertySheet {
public:
    CPropertySheet(const wchar_t* caption, HWND parent, UINT selectPage);
    virtual ~CPropertySheet() = default;
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    void AddPage(CPropertyPage* page);
    // Wizard look: Back, Next and Cancel instead of tabs and OK.
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    // Runs the sheet until it ends; the sheet's result.
    INT_PTR DoModal();

    // The page being shown, from its first notification on (its dialog
    // creation included); the start page before the sheet exists.
    int GetActiveIndex() const;
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    HWND GetSafeHwnd() const { return m_hWnd; }

protected:
    // The sheet window exists and its own initialisation has run.
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND; FALSE passes it on to the sheet's own handling.
    virtual BOOL OnCommand(WPARAM, LPARAM) { return FALSE; }
    // WM_SYSCOMMAND; the base passes it on to the sheet's own handling.
    virtual void OnSysCommand(UINT id, LPARAM lParam);

    // The sheet's own processing of the message being handled.
    LRESULT Default();

    HWND m_hWnd = nullptr;
    PROPSHEETHEADERW m_psh = {};

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void Attach(HWND hwnd);

    std::wstring m_caption;
    std::vector<CPropertyPage*> m_pages;
    struct CurrentMessage {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current = {};
};
