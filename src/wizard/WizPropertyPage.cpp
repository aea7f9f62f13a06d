// The page class's hooks: dispatch by the active page index.
#include "wizard/WizPropertyPage.h"

#include "install/InstallOptions.h"
#include "install/PathOperations.h"
#include "resources/WizardControls.h"
#include "wizard/WizPropertySheet.h"

CWizPropertyPage::CWizPropertyPage(UINT templateId) : CPropertyPage(templateId) {}

int CWizPropertyPage::ActiveIndex() const
{
    return m_pSheet->GetActiveIndex();
}

HWND CWizPropertyPage::FrameItem(int id) const
{
    return ::GetDlgItem(m_pSheet->GetSafeHwnd(), id);
}

int CWizPropertyPage::ShowMessage(UINT stringId, UINT type)
{
    wchar_t text[kPathChars];
    LoadMessage(stringId, text, kPathChars);
    return MessageBoxW(m_pSheet->GetSafeHwnd(), text, m_pSheet->m_szTitle, type);
}

BOOL CWizPropertyPage::OnSetActive()
{
    switch (ActiveIndex()) {
    case kWelcomePage:
        ActivateWelcomePage();
        break;
    case kReleaseNotesPage:
        ActivateReleaseNotesPage();
        break;
    case kAssociationPage:
        ActivateAssociationPage();
        break;
    case kReadyPage:
        ActivateReadyPage();
        break;
    case kFinishPage:
        ActivateFinishPage();
        break;
    default:
        break;
    }
    return CPropertyPage::OnSetActive();
}

void CWizPropertyPage::DoDataExchange(CDataExchange* pDX)
{
    switch (ActiveIndex()) {
    case kWelcomePage:
        ExchangeWelcomePage(pDX);
        break;
    case kReadyPage:
        ExchangeReadyPage(pDX);
        break;
    default:
        break;
    }
}

int CWizPropertyPage::GetNeighbourPageId(bool forward)
{
    int index = ActiveIndex() + (forward ? 1 : -1);
    if (index < 0 || index >= m_pSheet->GetPageCount()) return -1;
    return static_cast<int>(m_pSheet->GetPage(index)->GetTemplateId());
}

LRESULT CWizPropertyPage::OnWizardBack()
{
    return GetNeighbourPageId(false);
}

LRESULT CWizPropertyPage::OnWizardNext()
{
    const int index = ActiveIndex();
    // A refused folder keeps the welcome page as it was, Back disabled.
    if (index == kWelcomePage && !CheckTargetFolder()) return -1;
    EnableWindow(FrameItem(IDC_WIZARD_BACK), TRUE);
    LRESULT answer = -1;
    if (index == kReadyPage && LeaveReadyPage(&answer)) return answer;
    return GetNeighbourPageId(true);
}

bool CWizPropertyPage::OnCommand(UINT id, UINT notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_BROWSE:
        OnBrowse();
        return true;
    case IDC_DESKTOP_SHORTCUT:
    case IDC_THUMBS_SHORTCUT:
    case IDC_PROGRAM_GROUP:
        OnShortcutClicked();
        return true;
    case IDC_NO_SHORTCUTS:
        OnNoShortcuts();
        return true;
    case IDC_ASSOC_WRITE:
    case IDC_ASSOC_IMAGES:
    case IDC_ASSOC_ALL:
    case IDC_ASSOC_NONE:
        return OnAssociationCommand(id);
    default:
        return false;
    }
}
