// Finish page (index 4, dialog 110). The frame carries out its choices when
// its cancel button, the finish button here, is pressed.
#include "wizard/WizPropertyPage.h"

void CWizPropertyPage::ActivateFinishPage()
{
    // The page shows its template; its defaults and buttons are not set yet.
}
