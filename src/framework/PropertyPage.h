// One page of a property sheet: a dialog template whose notifications from
// the sheet become virtual hooks. The object's pointer travels in
// PROPSHEETPAGEW.lParam and stays with the dialog in GWLP_USERDATA.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/Static.h"

class CPropertyPage {
public:
    // No caption of its own: the dialog template's caption is the page title.
    explicit CPropertyPage(UINT templateId);
    virtual ~CPropertyPage() = default;
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    UINT GetTemplateId() const { return m_templateId; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // The description the sheet hands to PropertySheetW.
    const PROPSHEETPAGEW& GetPageDescription() const { return m_psp; }

    // Exchanges data with the controls: false into them, true out of them.
    void UpdateData(bool save);

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Exchanges data into the controls.
    virtual BOOL OnInitDialog();
    // Exchanges data again from the second activation on; FALSE refuses the page.
    virtual BOOL OnSetActive();
    // Exchanges data out of the controls; FALSE keeps the page.
    virtual BOOL OnKillActive();
    // A dialog template id moves the wizard to that page, -1 stays, 0 goes on.
    virtual LRESULT OnWizardBack() { return 0; }
    virtual LRESULT OnWizardNext() { return 0; }
    // WM_COMMAND from a control of the page; true when handled.
    virtual bool OnCommand(UINT, UINT, HWND) { return false; }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    INT_PTR OnNotify(const NMHDR* header);

    UINT m_templateId;
    PROPSHEETPAGEW m_psp = {};
    bool m_bFirstSetActive = true;
};
