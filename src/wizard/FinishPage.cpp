// Finish page (index 4, dialog 110). The frame carries out its choices when
// its cancel button, the finish button here, is pressed.
#include "install/InstallOptions.h"
#include "install/PathOperations.h"
#include "resources/WizardControls.h"
#include "resources/resource.h"
#include "wizard/WizPropertyPage.h"
#include "wizard/WizPropertySheet.h"

namespace {
constexpr int kButtonTextChars = 64;
}

void CWizPropertyPage::ActivateFinishPage()
{
    SendDlgItemMessageW(m_hWnd, IDC_FINISH_HEADING, WM_SETFONT,
                        reinterpret_cast<WPARAM>(m_pSheet->m_fontHeading.get()), TRUE);
    CheckDlgButton(m_hWnd, IDC_SHOW_FAQ, BST_CHECKED);
    CheckDlgButton(m_hWnd, IDC_START_VIEWER, BST_CHECKED);

    wchar_t finish[kButtonTextChars];
    LoadMessage(IDS_BUTTON_FINISH, finish, kButtonTextChars);
    SetWindowTextW(FrameItem(IDCANCEL), finish);
    // From here the only way on is the finish button.
    EnableWindow(FrameItem(IDC_WIZARD_BACK), FALSE);
    EnableWindow(FrameItem(IDC_WIZARD_NEXT), FALSE);
}
