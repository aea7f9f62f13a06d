// Shortcuts, registration with Windows and the association pass in one call.
#pragma once
#include <windows.h>

#include "integration/FileTypeCatalogue.h"

int RegisterApplication(int associationsConfirmed, int anySelected, const wchar_t* targetFolder, int programGroup,
                        int desktopShortcut, int thumbnailsShortcut, int allUsers,
                        const AssociationSelection& selection, int associateAllUsers);

// The two version classes the registration and the association pass branch on,
// always from the reported version numbers.
struct WindowsClasses {
    bool xp = false;     // NT 5.1 and 5.2
    bool vista = false;  // NT 6.0 and later
};
WindowsClasses ClassifyWindowsVersion(const OSVERSIONINFOW& version);

// RegisterApplication for a given reported version.
int RegisterApplicationFor(const OSVERSIONINFOW& version, int associationsConfirmed, int anySelected,
                           const wchar_t* targetFolder, int programGroup, int desktopShortcut,
                           int thumbnailsShortcut, int allUsers, const AssociationSelection& selection,
                           int associateAllUsers);
