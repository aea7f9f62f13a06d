#include "app/TheApp.h"

#include <commctrl.h>

#include <cwchar>

#include "app/CommandLine.h"
#include "app/Probes.h"
#include "app/StartUp.h"
#include "install/InstallLog.h"
#include "install/InstallRoutine.h"
#include "install/PathOperations.h"
#include "resources/resource.h"

namespace {
constexpr const wchar_t* kViewerWindowClass = L"Pictomaze";
constexpr const wchar_t* kSetupCaption = L"Pictomaze 32-bit Setup";
constexpr const wchar_t* kAppDataIniFolder = L"%APPDATA%\\Pictomaze";
}  // namespace

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
    CopyText(options.caption, kPathChars, kSetupCaption);

    int reported = 0;
    RunInstall(options, &reported);
    // Deployment tools read the exit code: a failure carries the id of its message.
    m_nExitCode = reported;
}

void TheApp::RunWizardMode()
{
    // The guided install arrives with the wizard pages.
}
