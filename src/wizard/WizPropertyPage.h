// The one page class of the wizard. A page object does not know which page it
// is: every hook asks the frame for the active page index and branches on it.
// Each page's branches live in a file of their own (WelcomePage.cpp ...).
#pragma once
#include <windows.h>

#include "framework/PropertyPage.h"
#include "integration/FileTypeCatalogue.h"

class CWizPropertySheet;

class CWizPropertyPage : public CPropertyPage {
public:
    explicit CWizPropertyPage(UINT templateId);

    // Template id of the page after (forward) or before the active one; -1 at the ends.
    virtual int GetNeighbourPageId(bool forward);

    // The folder picker. folder: 260 characters, in the folder to preselect,
    // out the chosen folder with a trailing backslash. True when a file-system
    // folder was chosen.
    static bool BrowseForTargetFolder(HWND owner, wchar_t* folder);

    BOOL m_bFirstActivation = TRUE;
    COLORREF m_crListBack = 0;
    COLORREF m_crListText = static_cast<COLORREF>(-1);  // -1: the list's colours are not saved yet
    CWizPropertySheet* m_pSheet = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;

private:
    int ActiveIndex() const;
    HWND FrameItem(int id) const;
    // A message box of the wizard with a string table entry.
    int ShowMessage(UINT stringId, UINT type);

    // Welcome page, index 0 (WelcomePage.cpp)
    void ActivateWelcomePage();
    void ExchangeWelcomePage(CDataExchange* pDX);
    bool CheckTargetFolder();
    void OnShortcutClicked();
    void OnNoShortcuts();
    void OnBrowse();

    // Release notes page, index 1 (ReleaseNotesPage.cpp)
    void ActivateReleaseNotesPage();
    void LoadReleaseNotes();

    // Association page, index 2 (AssociationPage.cpp)
    void ActivateAssociationPage();
    bool OnAssociationCommand(UINT id);
    // Enables or locks the list and its three buttons, in the given colours.
    void EnableAssociationList(HWND list, bool enabled, COLORREF back, COLORREF text);
    void CheckAssociationRows(int first, int last, bool checked);
    // Called on the association page's object when the install starts.
    void ReadAssociationChoices(AssociationSelection* selection, int* anySelected, int* associateAllUsers) const;

    // Ready page, index 3 (ReadyPage.cpp)
    void ActivateReadyPage();
    void ExchangeReadyPage(CDataExchange* pDX);
    // True when the ready page decides where Next goes (*answer: -1 or a template id).
    bool LeaveReadyPage(LRESULT* answer);

    // Finish page, index 4 (FinishPage.cpp)
    void ActivateFinishPage();
};
