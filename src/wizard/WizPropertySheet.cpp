#include "wizard/WizPropertySheet.h"

#include <shellapi.h>

#include "install/InstallOptions.h"
#include "install/PathOperations.h"
#include "resources/WizardControls.h"
#include "resources/resource.h"
#include "wizard/WizPropertyPage.h"

namespace {
constexpr const wchar_t* kViewerExe = L"p_maze32.exe";
constexpr int kViewerSearchAttempts = 5;
constexpr DWORD kViewerSearchPauseMs = 500;
constexpr DWORD kViewerStartPauseMs = 50;
}  // namespace

CWizPropertySheet theWizard(L"Pictomaze Setup");

CWizPropertySheet::CWizPropertySheet(const wchar_t* caption) : CPropertySheet(caption, nullptr, 0)
{
    SetWizardMode();
    m_hwndAssocList = nullptr;
}

void CWizPropertySheet::AddWizardPage(CWizPropertyPage* page)
{
    AddPage(page);
    page->m_pSheet = this;
}

BOOL CWizPropertySheet::OnInitDialog()
{
    CopyText(m_szTitle, kTitleChars, kSetupTitle);
    BOOL result = CPropertySheet::OnInitDialog();
    wchar_t quit[64];
    LoadMessage(IDS_BUTTON_QUIT, quit, 64);
    SetDlgItemTextW(m_hWnd, IDCANCEL, quit);
    SetWindowTextW(m_hWnd, m_szTitle);
    return result;
}

int CWizPropertySheet::AskToQuit()
{
    wchar_t question[kPathChars];
    LoadMessage(IDS_CONFIRM_QUIT, question, kPathChars);
    return MessageBoxW(m_hWnd, question, m_szTitle, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
}

BOOL CWizPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Esc arrives here as IDCANCEL too.
    if (LOWORD(wParam) != IDCANCEL) return CPropertySheet::OnCommand(wParam, lParam);
    if (GetActiveIndex() == kFinishPage) {
        // On the finish page the cancel button is the finish button.
        RunFinishActions();
    } else if (AskToQuit() == IDNO) {
        return TRUE;
    }
    return CPropertySheet::OnCommand(wParam, lParam);
}

void CWizPropertySheet::OnSysCommand(UINT id, LPARAM lParam)
{
    if (id == SC_CLOSE && GetActiveIndex() != kFinishPage && AskToQuit() == IDNO) return;
    CPropertySheet::OnSysCommand(id, lParam);
}

void CWizPropertySheet::RunFinishActions()
{
    CPropertyPage* finish = GetPage(kFinishPage);
    HWND finishPage = finish ? finish->GetSafeHwnd() : nullptr;
    if (!finishPage) return;

    if (IsDlgButtonChecked(finishPage, IDC_SHOW_FAQ) == BST_CHECKED) {
        ShellExecuteW(GetDesktopWindow(), L"open", kFaqAddress, nullptr, L"", SW_SHOW);
    }
    if (IsDlgButtonChecked(finishPage, IDC_START_VIEWER) == BST_CHECKED) {
        wchar_t viewer[kPathChars] = {};
        GetDlgItemTextW(GetPage(kWelcomePage)->GetSafeHwnd(), IDC_TARGET_FOLDER, viewer, kPathChars);
        size_t length = wcslen(viewer);
        bool fits = (length > 0 && viewer[length - 1] == L'\\') || AppendText(viewer, kPathChars, L"\\");
        // A folder too long for the viewer's path starts nothing, like any other failed start.
        if (fits && AppendText(viewer, kPathChars, kViewerExe)) {
            ShellExecuteW(GetActiveWindow(), L"open", viewer, L"", nullptr, SW_SHOW);
            Sleep(kViewerStartPauseMs);
            BringViewerToFront();
        }
    }
}

bool CWizPropertySheet::BringViewerToFront()
{
    for (int attempt = 0; attempt < kViewerSearchAttempts; ++attempt) {
        if (HWND viewer = FindWindowExW(nullptr, nullptr, kViewerWindowClass, nullptr)) {
            SetForegroundWindow(viewer);
            return true;
        }
        Sleep(kViewerSearchPauseMs);
    }
    return false;
}
