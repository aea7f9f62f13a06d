// Binds the catalogue's file extensions to the viewer's own file classes.
#pragma once
#include <cstddef>

#include "integration/FileTypeCatalogue.h"

// Walks the catalogue and associates every extension of every visited group;
// with anySelected it announces the change to the shell at the end.
void RunAssociationPass(int associationsConfirmed, int anySelected, const AssociationSelection& selection,
                        int associateAllUsers, bool xpClass, bool vistaClass, const wchar_t* openCommand,
                        const wchar_t* exePath);

// The registry rows of one extension; selected is the flag of its group.
void AssociateExtension(const wchar_t* extension, const wchar_t* classExtension, const wchar_t* openCommand,
                        const wchar_t* iconReference, bool xpClass, bool vistaClass, int associateAllUsers,
                        int selected);

// The extension as a capability of the viewer (the capabilities key must exist).
void AddCapabilityAssociation(const wchar_t* extension, const wchar_t* classExtension);

// Keeps the five built-in app classes out of the shell's Open With lists.
void SetAppxNoOpenWith();

// The default-icon value of a group's class: "%1" or the executable with an index.
bool BuildIconReference(int iconIndex, const wchar_t* exePath, wchar_t* out, size_t capacity);
