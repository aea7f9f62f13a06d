// The silent mode's command-line grammar.
#pragma once
#include <windows.h>

#include "integration/FileTypeCatalogue.h"

constexpr int kOptionValueLimit = 260;

// Working data of the silent mode; sizes in characters, terminator included.
struct SilentOptions {
    wchar_t commandLine[520];
    wchar_t value[260];
    wchar_t targetFolder[520];
    wchar_t iniFolder[520];
    int programGroup;
    int desktopShortcut;
    int thumbnailsShortcut;
    int allUsers;
    AssociationSelection selection;
    int associateAllUsers;
    int anySelected;
};

// Copies the value after the option's name, up to the next "/", the end of the
// text or `limit` characters from the option's slash. Returns where it stopped.
int ReadOptionValue(const wchar_t* commandLine, int slashPos, wchar_t* value, int nameLength, int limit);
// Trailing blanks, one trailing and one leading double quote, then (second
// pass) trailing blanks again.
void TidyOptionValue(wchar_t* value, bool secondPass);
// Decimal integer: white space, optional sign, digits; clamped to 32 bits.
int ParseDecimal(const wchar_t* text);

// Steps 4 and 5 of the silent mode: reads the options of `commandLine` over the
// defaults already in `options`.
void ReadSilentOptions(const wchar_t* commandLine, SilentOptions& options);
