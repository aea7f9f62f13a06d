// Welcome page (index 0, dialog 101): shortcuts, user scope, target folder, licence link.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cwchar>

#include "app/Probes.h"
#include "install/InstallOptions.h"
#include "install/PathOperations.h"
#include "resources/WizardControls.h"
#include "resources/resource.h"
#include "wizard/WelcomeRules.h"
#include "wizard/WizPropertyPage.h"
#include "wizard/WizPropertySheet.h"

namespace {

constexpr const wchar_t* kBackText = L"< &Zur\u00fcck";
constexpr const wchar_t* kNextText = L"&Weiter >";
constexpr int kBrowseTitleChars = 50;

const int kShortcutBoxes[] = {IDC_DESKTOP_SHORTCUT, IDC_THUMBS_SHORTCUT, IDC_PROGRAM_GROUP};

std::wstring DialogItemText(HWND dialog, int id)
{
    wchar_t text[kPathChars] = {};
    GetDlgItemTextW(dialog, id, text, kPathChars);
    return text;
}

int CALLBACK PreselectCallback(HWND picker, UINT msg, LPARAM, LPARAM data)
{
    if (msg == BFFM_INITIALIZED) {
        std::wstring selection = PickerPreselection(reinterpret_cast<const wchar_t*>(data));
        SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(selection.c_str()));
    }
    return 0;
}

}  // namespace

void CWizPropertyPage::ActivateWelcomePage()
{
    EnableWindow(FrameItem(IDC_WIZARD_BACK), FALSE);
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SETUP));
    SendMessageW(m_pSheet->GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

    if (m_bFirstActivation) {
        SetWindowTextW(FrameItem(IDC_WIZARD_BACK), kBackText);
        SetWindowTextW(FrameItem(IDC_WIZARD_NEXT), kNextText);
        SendDlgItemMessageW(m_hWnd, IDC_WELCOME_HEADING, WM_SETFONT,
                            reinterpret_cast<WPARAM>(m_pSheet->m_fontHeading.get()), TRUE);

        wchar_t version[16];
        swprintf(version, 16, L"%d.%d", kReleaseMajor, kReleaseMinor);
        wchar_t bits[8];
        LoadMessage(IDS_BIT_TEXT, bits, 8);
        SetDlgItemTextW(m_hWnd, IDC_WELCOME_HEADING,
                        FormatTemplateText(DialogItemText(m_hWnd, IDC_WELCOME_HEADING).c_str(), {bits}).c_str());
        SetDlgItemTextW(m_hWnd, IDC_VERSION_LINE,
                        FormatTemplateText(DialogItemText(m_hWnd, IDC_VERSION_LINE).c_str(), {version, bits}).c_str());

        for (int box : kShortcutBoxes) CheckDlgButton(m_hWnd, box, BST_CHECKED);
        CheckDlgButton(m_hWnd, IDC_CURRENT_USER, BST_CHECKED);

        wchar_t folder[kPathChars] = {};
        GetDefaultTargetFolder(folder);
        SetDlgItemTextW(m_hWnd, IDC_TARGET_FOLDER, folder);
        if (FindEarlierInstallation(folder)) SetDlgItemTextW(m_hWnd, IDC_TARGET_FOLDER, folder);
    }

    // A warning only: the install checks again before it starts.
    if (FindWindowW(kViewerWindowClass, nullptr)) ShowMessage(IDS_VIEWER_RUNNING, MB_ICONEXCLAMATION);
    m_bFirstActivation = FALSE;
}

void CWizPropertyPage::ExchangeWelcomePage(CDataExchange* pDX)
{
    CHyperLink& link = m_pSheet->m_linkEula;
    DDX_Control(pDX, IDC_EULA_LINK, link);
    link.SetUnderlineMode(1);
    link.SetUrl(kEulaAddress);
}

bool CWizPropertyPage::CheckTargetFolder()
{
    wchar_t folder[kPathChars] = {};
    GetDlgItemTextW(m_hWnd, IDC_TARGET_FOLDER, folder, kPathChars);
    // Neither created nor tested here: the install routine creates it.
    if (HasDrivePart(folder)) return true;
    ShowMessage(IDS_INVALID_TARGET, MB_ICONERROR);
    return false;
}

void CWizPropertyPage::OnShortcutClicked()
{
    bool any = false;
    for (int box : kShortcutBoxes) any = any || IsDlgButtonChecked(m_hWnd, box) == BST_CHECKED;
    EnableWindow(GetDlgItem(IDC_CURRENT_USER), any);
    EnableWindow(GetDlgItem(IDC_ALL_USERS), any);
}

void CWizPropertyPage::OnNoShortcuts()
{
    for (int box : kShortcutBoxes) CheckDlgButton(m_hWnd, box, BST_UNCHECKED);
    // The scope keeps its choice for when a shortcut is chosen again.
    EnableWindow(GetDlgItem(IDC_CURRENT_USER), FALSE);
    EnableWindow(GetDlgItem(IDC_ALL_USERS), FALSE);
}

void CWizPropertyPage::OnBrowse()
{
    wchar_t folder[kPathChars] = {};
    GetDlgItemTextW(m_hWnd, IDC_TARGET_FOLDER, folder, kPathChars);
    if (!BrowseForTargetFolder(GetActiveWindow(), folder)) return;
    // A path too long for the product folder keeps the field as it was.
    if (!AppendProductFolder(folder)) return;
    SetDlgItemTextW(m_hWnd, IDC_TARGET_FOLDER, folder);
}

bool CWizPropertyPage::BrowseForTargetFolder(HWND owner, wchar_t* folder)
{
    wchar_t title[kBrowseTitleChars];
    LoadMessage(IDS_BROWSE_TITLE, title, kBrowseTitleChars);
    wchar_t displayName[kPathChars] = {};

    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = PreselectCallback;
    info.lParam = reinterpret_cast<LPARAM>(folder);

    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    if (!item) return false;
    BOOL isPath = SHGetPathFromIDListW(item, folder);
    CoTaskMemFree(item);
    if (!isPath) return false;

    size_t length = wcslen(folder);
    if (length > 0 && folder[length - 1] == L'\\') return true;
    // A 259-character path leaves no room for the backslash.
    return AppendText(folder, kPathChars, L"\\");
}
