// Ready page (index 3, dialog 109).
#include "wizard/WizPropertyPage.h"

void CWizPropertyPage::ActivateReadyPage()
{
    // The page shows its template; the install is not started from it yet.
}

void CWizPropertyPage::ExchangeReadyPage(CDataExchange*) {}

bool CWizPropertyPage::LeaveReadyPage(LRESULT*)
{
    return false;
}
