// Release notes page (index 1, dialog 108).
#include "wizard/WizPropertyPage.h"

void CWizPropertyPage::ActivateReleaseNotesPage()
{
    // The page shows its template; the release notes are not loaded into it yet.
}
