#include "install/SettingsFile.h"

// Placeholder until the settings file lands.
void WriteSettingsFile(InstallOptions&, wchar_t* finalFile)
{
    finalFile[0] = L'\0';
}

int ConvertSettingsToUnicode(const wchar_t*)
{
    return 1;
}
