// Shortcuts, registration with Windows and the association pass in one call.
#pragma once
#include "integration/FileTypeCatalogue.h"

int RegisterApplication(int associationsConfirmed, int anySelected, const wchar_t* targetFolder, int programGroup,
                        int desktopShortcut, int thumbnailsShortcut, int allUsers,
                        const AssociationSelection& selection, int associateAllUsers);
