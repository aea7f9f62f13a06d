// Association page (index 2, dialog 104): the file type catalogue as a list
// with a check box per group, locked until 3311 allows registry writes.
#include <windows.h>
#include <commctrl.h>

#include "app/Probes.h"
#include "framework/Dpi.h"
#include "resources/WizardControls.h"
#include "wizard/WizPropertyPage.h"
#include "wizard/WizPropertySheet.h"

namespace {

// Grey background and orange text: the list is locked.
constexpr COLORREF kLockedBack = RGB(192, 192, 192);
constexpr COLORREF kLockedText = RGB(255, 128, 0);

// State images of a list with check boxes.
constexpr UINT kUncheckedImage = 1;
constexpr UINT kCheckedImage = 2;

const int kListButtons[] = {IDC_ASSOC_IMAGES, IDC_ASSOC_ALL, IDC_ASSOC_NONE};

void InsertColumn(HWND list, int index, int width)
{
    wchar_t header[1] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = header;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void BuildList(HWND list)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);

    RECT outer = {};
    GetWindowRect(list, &outer);
    const int width = outer.right - outer.left;
    InsertColumn(list, 0, width / 3);
    InsertColumn(list, 1, 2 * width / 3 - MulDiv(25, WindowDpi(list), 96));

    for (int i = 0; i < kGroupCount; ++i) {
        const FileTypeGroup& group = GetFileTypeGroup(i);
        LVITEMW row = {};
        row.mask = LVIF_TEXT;
        row.iItem = i;
        row.pszText = const_cast<wchar_t*>(group.listText);
        int inserted = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
        LVITEMW description = {};
        description.iSubItem = 1;
        description.pszText = const_cast<wchar_t*>(group.description);
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(inserted), reinterpret_cast<LPARAM>(&description));
    }
}

}  // namespace

void CWizPropertyPage::ActivateAssociationPage()
{
    if (IsVistaOrLater()) ShowWindow(GetDlgItem(IDC_ASSOC_ALL_USERS), SW_HIDE);

    if (!m_pSheet->m_hwndAssocList) {
        HWND list = GetDlgItem(IDC_ASSOC_LIST);
        m_pSheet->m_hwndAssocList = list;
        if (m_crListText == static_cast<COLORREF>(-1)) {
            m_crListBack = ListView_GetBkColor(list);
            m_crListText = ListView_GetTextColor(list);
        }
        BuildList(list);
    }

    if (IsDlgButtonChecked(m_hWnd, IDC_ASSOC_WRITE) != BST_CHECKED) {
        EnableAssociationList(m_pSheet->m_hwndAssocList, false, kLockedBack, kLockedText);
    }
}

void CWizPropertyPage::EnableAssociationList(HWND list, bool enabled, COLORREF back, COLORREF text)
{
    if (!list) return;
    EnableWindow(list, enabled);
    ListView_SetBkColor(list, back);
    // Rows draw their text on a background of their own; it follows the list's.
    ListView_SetTextBkColor(list, back);
    ListView_SetTextColor(list, text);
    InvalidateRect(list, nullptr, TRUE);
    for (int button : kListButtons) EnableWindow(GetDlgItem(button), enabled);
}

void CWizPropertyPage::CheckAssociationRows(int first, int last, bool checked)
{
    HWND list = m_pSheet->m_hwndAssocList;
    for (int row = first; row <= last; ++row) {
        ListView_SetItemState(list, row, INDEXTOSTATEIMAGEMASK(checked ? kCheckedImage : kUncheckedImage),
                              LVIS_STATEIMAGEMASK);
    }
}

bool CWizPropertyPage::OnAssociationCommand(UINT id)
{
    HWND list = m_pSheet->m_hwndAssocList;
    if (!list) return false;
    const int lastRow = ListView_GetItemCount(list) - 1;
    switch (id) {
    case IDC_ASSOC_WRITE:
        // The rows keep their check marks either way; only the read-out looks at the lock.
        if (IsDlgButtonChecked(m_hWnd, IDC_ASSOC_WRITE) == BST_CHECKED) {
            EnableAssociationList(list, true, m_crListBack, m_crListText);
        } else {
            EnableAssociationList(list, false, kLockedBack, kLockedText);
        }
        return true;
    case IDC_ASSOC_IMAGES:
        CheckAssociationRows(0, kImageGroupCount - 1, true);
        CheckAssociationRows(kImageGroupCount, lastRow, false);
        return true;
    case IDC_ASSOC_ALL:
        CheckAssociationRows(0, lastRow, true);
        return true;
    case IDC_ASSOC_NONE:
        CheckAssociationRows(0, lastRow, false);
        return true;
    default:
        return false;
    }
}

void CWizPropertyPage::ReadAssociationChoices(AssociationSelection* selection, int* anySelected,
                                              int* associateAllUsers) const
{
    selection->SelectNone();
    *anySelected = 0;
    HWND list = m_pSheet->m_hwndAssocList;
    const int rows = list ? ListView_GetItemCount(list) : 0;
    if (list && IsWindowEnabled(list) && rows > 0) {
        for (int row = 0; row < rows && row < kGroupCount; ++row) {
            UINT image = (ListView_GetItemState(list, row, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12;
            if (image != kUncheckedImage) {
                selection->flags[row] = 1;
                *anySelected = 1;
            }
        }
    }
    *associateAllUsers = IsDlgButtonChecked(m_hWnd, IDC_ASSOC_ALL_USERS) == BST_CHECKED ? 1 : 0;
}
