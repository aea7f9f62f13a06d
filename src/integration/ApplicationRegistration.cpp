#include "integration/ApplicationRegistration.h"

// Placeholder until the registration lands.
int RegisterApplication(int, int, const wchar_t*, int, int, int, int, const AssociationSelection&, int)
{
    return 1;
}
