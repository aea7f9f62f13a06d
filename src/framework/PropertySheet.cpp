#include "framework/PropertySheet.h"

namespace {
constexpr UINT_PTR kSubclassId = 0x5368;
// The sheet inside PropertySheetW: its callback carries no pointer of ours.
// One user-interface thread, one modal sheet at a time.
CPropertySheet* g_creating = nullptr;
}  // namespace

CPropertySheet::CPropertySheet(const wchar_t* caption, HWND parent, UINT selectPage)
    : m_caption(caption ? caption : L"")
{
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.hwndParent = parent;
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd) return static_cast<int>(m_psh.nStartPage);
    // Wizards keep their tab control hidden; the sheet selects the tab
    // before it creates or notifies the page it switches to.
    HWND tabs = PropSheet_GetTabControl(m_hWnd);
    return tabs ? TabCtrl_GetCurSel(tabs) : static_cast<int>(m_psh.nStartPage);
}

INT_PTR CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEW> pages;
    for (CPropertyPage* page : m_pages) pages.push_back(page->GetPageDescription());

    m_psh.hInstance = GetModuleHandleW(nullptr);
    m_psh.pszCaption = m_caption.c_str();
    m_psh.nPages = static_cast<UINT>(pages.size());
    m_psh.ppsp = pages.data();
    m_psh.pfnCallback = SheetCallback;

    g_creating = this;
    INT_PTR result = PropertySheetW(&m_psh);
    g_creating = nullptr;
    return result;
}

void CPropertySheet::OnSysCommand(UINT, LPARAM)
{
    Default();
}

LRESULT CPropertySheet::Default()
{
    return DefSubclassProc(m_hWnd, m_current.msg, m_current.wParam, m_current.lParam);
}

void CPropertySheet::Attach(HWND hwnd)
{
    m_hWnd = hwnd;
    SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    OnInitDialog();
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT msg, LPARAM)
{
    // Sent after the sheet's own set-up, before its first page is created.
    if (msg == PSCB_INITIALIZED && g_creating) {
        CPropertySheet* sheet = g_creating;
        g_creating = nullptr;
        sheet->Attach(hwnd);
    }
    return 0;
}

LRESULT CALLBACK CPropertySheet::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR ref)
{
    auto* self = reinterpret_cast<CPropertySheet*>(ref);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->m_hWnd = nullptr;
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    if (msg != WM_COMMAND && msg != WM_SYSCOMMAND) return DefSubclassProc(hwnd, msg, wParam, lParam);

    CurrentMessage outer = self->m_current;
    self->m_current = {msg, wParam, lParam};
    LRESULT result = 0;
    if (msg == WM_COMMAND) {
        if (!self->OnCommand(wParam, lParam)) result = self->Default();
    } else {
        self->OnSysCommand(static_cast<UINT>(wParam), lParam);
    }
    self->m_current = outer;
    return result;
}
