// The setup's application object.
#pragma once
#include "framework/WinApp.h"
#include "install/InstallOptions.h"

class TheApp : public CWinApp {
public:
    BOOL InitInstance() override;

    LOGFONTW m_logfontHeading = {};

private:
    void RunSilentMode(const wchar_t* commandLine);
    void RunWizardMode();
};
