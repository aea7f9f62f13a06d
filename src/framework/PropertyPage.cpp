#include "framework/PropertyPage.h"

CPropertyPage::CPropertyPage(UINT templateId) : m_templateId(templateId)
{
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = GetModuleHandleW(nullptr);
    m_psp.pszTemplate = MAKEINTRESOURCEW(templateId);
    m_psp.pfnDlgProc = DialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

void CPropertyPage::UpdateData(bool save)
{
    CDataExchange dx = {m_hWnd, save};
    DoDataExchange(&dx);
}

BOOL CPropertyPage::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive()
{
    // The dialog's creation exchanged data already.
    if (m_bFirstSetActive) {
        m_bFirstSetActive = false;
    } else {
        UpdateData(false);
    }
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    UpdateData(true);
    return TRUE;
}

INT_PTR CPropertyPage::OnNotify(const NMHDR* header)
{
    LRESULT answer = 0;
    switch (header->code) {
    case PSN_SETACTIVE:
        answer = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        answer = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_WIZBACK:
        answer = OnWizardBack();
        break;
    case PSN_WIZNEXT:
        answer = OnWizardNext();
        break;
    default:
        return FALSE;
    }
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, answer);
    return TRUE;
}

INT_PTR CALLBACK CPropertyPage::DialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        // lParam is the sheet's copy of the page description.
        auto* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
        SetWindowLongPtrW(hDlg, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
        page->m_hWnd = hDlg;
        return page->OnInitDialog();
    }
    auto* page = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrW(hDlg, GWLP_USERDATA));
    if (!page) return FALSE;

    switch (msg) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom != GetParent(hDlg)) return FALSE;  // the sheet's notifications only
        return page->OnNotify(header);
    }
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (control && CStatic::ReflectCommand(control, HIWORD(wParam))) return TRUE;
        return page->OnCommand(LOWORD(wParam), HIWORD(wParam), control) ? TRUE : FALSE;
    }
    case WM_CTLCOLORSTATIC: {
        HBRUSH brush = nullptr;
        if (CStatic::ReflectCtlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), &brush)) {
            return reinterpret_cast<INT_PTR>(brush);
        }
        return FALSE;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrW(hDlg, GWLP_USERDATA, 0);
        page->m_hWnd = nullptr;
        page->m_bFirstSetActive = true;
        return FALSE;
    default:
        return FALSE;
    }
}
