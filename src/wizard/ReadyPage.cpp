// Ready page (index 3, dialog 109): the target folder, where the viewer keeps
// its settings, and the install itself on Next.
#include <windows.h>

#include <cwchar>

#include "app/Probes.h"
#include "framework/Dpi.h"
#include "install/InstallOptions.h"
#include "install/InstallRoutine.h"
#include "install/PathOperations.h"
#include "resources/WizardControls.h"
#include "resources/resource.h"
#include "wizard/WizPropertyPage.h"
#include "wizard/WizPropertySheet.h"

namespace {

constexpr const wchar_t* kNoticeFace = L"Arial";
constexpr COLORREF kNoticeColour = RGB(255, 0, 0);
constexpr int kLabelChars = 50;

const int kFrameButtons[] = {IDC_WIZARD_BACK, IDC_WIZARD_NEXT, IDCANCEL};

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

}  // namespace

void CWizPropertyPage::ActivateReadyPage()
{
    SendDlgItemMessageW(m_hWnd, IDC_READY_HEADING, WM_SETFONT,
                        reinterpret_cast<WPARAM>(m_pSheet->m_fontHeading.get()), TRUE);

    wchar_t folder[kPathChars] = {};
    GetDlgItemTextW(m_pSheet->GetPage(kWelcomePage)->GetSafeHwnd(), IDC_TARGET_FOLDER, folder, kPathChars);
    TrimBlanks(folder);
    wchar_t label[kLabelChars];
    LoadMessage(IDS_TARGET_LABEL, label, kLabelChars);
    wchar_t line[kLabelChars + kPathChars + 2];
    swprintf(line, sizeof(line) / sizeof(line[0]), L"%ls: %ls", label, folder);
    SetDlgItemTextW(m_hWnd, IDC_TARGET_LINE, line);

    // The recommended place for the settings from Vista on; older systems keep them with the program.
    const bool vista = IsVistaOrLater() != 0;
    CheckDlgButton(m_hWnd, IDC_INI_PROGRAM_FOLDER, vista ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(m_hWnd, IDC_INI_APPDATA, vista ? BST_CHECKED : BST_UNCHECKED);
}

void CWizPropertyPage::ExchangeReadyPage(CDataExchange* pDX)
{
    CXColorStatic& notice = m_pSheet->m_staticInstalling;
    DDX_Control(pDX, IDC_INSTALLING, notice);
    notice.SetForegroundColor(kNoticeColour, FALSE);
    notice.SetBold(TRUE, TRUE);

    notice.SetFaceAndHeight(kNoticeFace, MulDiv(18, WindowDpi(m_pSheet->GetSafeHwnd()), 96), TRUE);
}

bool CWizPropertyPage::LeaveReadyPage(LRESULT* answer)
{
    if (FindWindowW(kViewerWindowClass, nullptr)) {
        ShowMessage(IDS_VIEWER_RUNNING, MB_ICONEXCLAMATION);
        *answer = -1;
        return true;
    }

    HWND welcome = m_pSheet->GetPage(kWelcomePage)->GetSafeHwnd();
    InstallOptions options;
    wchar_t folder[kLongPathChars] = {};
    GetDlgItemTextW(welcome, IDC_TARGET_FOLDER, folder, kLongPathChars);
    TrimBlanks(folder);
    // A folder too long for the record stays empty, which the install refuses as invalid.
    CopyText(options.targetFolder, kPathChars, folder);
    options.programGroup = IsChecked(welcome, IDC_PROGRAM_GROUP);
    options.desktopShortcut = IsChecked(welcome, IDC_DESKTOP_SHORTCUT);
    options.thumbnailsShortcut = IsChecked(welcome, IDC_THUMBS_SHORTCUT);
    options.allUsers = IsChecked(welcome, IDC_ALL_USERS);
    static_cast<const CWizPropertyPage*>(m_pSheet->GetPage(kAssociationPage))
        ->ReadAssociationChoices(&options.selection, &options.anySelected, &options.associateAllUsers);
    if (IsChecked(m_hWnd, IDC_INI_APPDATA)) CopyText(options.iniFolder, kPathChars, kAppDataIniFolder);
    options.silent = false;
    CopyText(options.caption, kPathChars, m_pSheet->m_szTitle);

    // On the screen before the long run starts; it stays shown from now on.
    HWND notice = GetDlgItem(IDC_INSTALLING);
    ShowWindow(notice, SW_SHOW);
    UpdateWindow(notice);

    for (int button : kFrameButtons) EnableWindow(FrameItem(button), FALSE);
    const int result = RunInstall(options);
    for (int button : kFrameButtons) EnableWindow(FrameItem(button), TRUE);

    if (result == 0) {
        // Back to the welcome page with every choice kept, to correct and try again.
        *answer = static_cast<LRESULT>(m_pSheet->GetPage(kWelcomePage)->GetTemplateId());
        return true;
    }
    return false;
}
