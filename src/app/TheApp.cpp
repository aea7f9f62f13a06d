#include "app/TheApp.h"

#include <commctrl.h>

#include <cwchar>
#include <memory>

#include "app/CommandLine.h"
#include "app/Probes.h"
#include "app/StartUp.h"
#include "framework/Dpi.h"
#include "install/InstallLog.h"
#include "install/InstallRoutine.h"
#include "install/PathOperations.h"
#include "resources/resource.h"
#include "wizard/WizPropertyPage.h"
#include "wizard/WizPropertySheet.h"

BOOL TheApp::InitInstance()
{
    RestrictDllSearchPath(0x800);  // LOAD_LIBRARY_SEARCH_SYSTEM32
    EnableVisualStyles();
    INITCOMMONCONTROLSEX icc = {8, 0xFF};
    InitCommonControlsEx(&icc);

    const wchar_t* commandLine = GetCommandLineW();
    if (wcsstr(commandLine, L"/silent")) {
        RunSilentMode(commandLine);
    } else {
        RunWizardMode();
    }
    return FALSE;
}

void TheApp::RunSilentMode(const wchar_t* commandLine)
{
    if (FindWindowW(kViewerWindowClass, nullptr)) {
        wchar_t message[kPathChars];
        LoadMessage(IDS_VIEWER_RUNNING, message, kPathChars);
        WriteInstallLog(message);
        m_nExitCode = IDS_VIEWER_RUNNING;
        return;
    }

    static SilentOptions silent;  // large buffers; one silent run per process
    silent = SilentOptions{};
    if (!FindEarlierInstallation(silent.targetFolder)) {
        GetDefaultTargetFolder(silent.targetFolder);
        CopyText(silent.iniFolder, 520, kAppDataIniFolder);
    }
    ReadSilentOptions(commandLine, silent);

    static InstallOptions options;
    options = InstallOptions{};
    // Option values are at most 252 and 255 characters, so both fit.
    CopyText(options.targetFolder, kPathChars, silent.targetFolder);
    CopyText(options.iniFolder, kPathChars, silent.iniFolder);
    options.programGroup = silent.programGroup;
    options.desktopShortcut = silent.desktopShortcut;
    options.thumbnailsShortcut = silent.thumbnailsShortcut;
    options.allUsers = silent.allUsers;
    options.selection = silent.selection;
    options.associateAllUsers = silent.associateAllUsers;
    options.anySelected = silent.anySelected;
    options.silent = true;
    CopyText(options.caption, kPathChars, kSetupTitle);

    int reported = 0;
    RunInstall(options, &reported);
    // Deployment tools read the exit code: a failure carries the id of its message.
    m_nExitCode = reported;
}

void TheApp::RunWizardMode()
{
    m_logfontHeading = {};
    m_logfontHeading.lfHeight = MulDiv(18, WindowDpi(nullptr), 96);
    m_logfontHeading.lfWeight = FW_BOLD;
    m_logfontHeading.lfQuality = ANTIALIASED_QUALITY;
    wcscpy(m_logfontHeading.lfFaceName, L"Arial");
    theWizard.m_fontHeading.reset(CreateFontIndirectW(&m_logfontHeading));
    theWizard.m_hwndAssocList = nullptr;

    // Page index = position: welcome, release notes, associations, ready, finished.
    static const UINT kPageTemplates[] = {IDD_WELCOME, IDD_RELEASE_NOTES, IDD_ASSOCIATIONS, IDD_READY,
                                          IDD_FINISHED};
    std::unique_ptr<CWizPropertyPage> pages[5];
    for (int i = 0; i < 5; ++i) {
        pages[i] = std::make_unique<CWizPropertyPage>(kPageTemplates[i]);
        theWizard.AddWizardPage(pages[i].get());
    }

    m_pMainWnd = &theWizard;
    EnableVisualStyles();
    theWizard.DoModal();
    m_pMainWnd = nullptr;
}
