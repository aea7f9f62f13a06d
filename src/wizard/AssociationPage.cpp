// Association page (index 2, dialog 104).
#include "wizard/WizPropertyPage.h"

void CWizPropertyPage::ActivateAssociationPage()
{
    // The page shows its template; the file type list is not built yet.
}

bool CWizPropertyPage::OnAssociationCommand(UINT)
{
    return false;
}
