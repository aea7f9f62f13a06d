// The wizard frame: the property sheet that holds the five setup pages and
// what they share.
#pragma once
#include <windows.h>

#include "controls/HyperLink.h"
#include "controls/XColorStatic.h"
#include "framework/Handles.h"
#include "framework/PropertySheet.h"

class CWizPropertyPage;

// Page indexes: the order in which start-up adds the pages.
enum WizardPageIndex {
    kWelcomePage = 0,
    kReleaseNotesPage = 1,
    kAssociationPage = 2,
    kReadyPage = 3,
    kFinishPage = 4,
};

constexpr int kTitleChars = 260;
// Web pages the wizard opens.
constexpr const wchar_t* kEulaAddress = L"https://www.pictomaze.example/eula.html";
constexpr const wchar_t* kFaqAddress = L"https://www.pictomaze.example/faq.html";

class CWizPropertySheet : public CPropertySheet {
public:
    explicit CWizPropertySheet(const wchar_t* caption);

    // Appends the page and gives it its back-reference to the frame.
    void AddWizardPage(CWizPropertyPage* page);
    // Looks for the viewer's window a few times and brings it forward.
    bool BringViewerToFront();

    UniqueFont m_fontHeading;
    HWND m_hwndAssocList = nullptr;
    CHyperLink m_linkEula;
    CXColorStatic m_staticInstalling;
    wchar_t m_szTitle[kTitleChars] = {};

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT id, LPARAM lParam) override;

private:
    int AskToQuit();
    void RunFinishActions();
};

// The one wizard frame of the program.
extern CWizPropertySheet theWizard;
