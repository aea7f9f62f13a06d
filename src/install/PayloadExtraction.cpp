#include "install/PayloadExtraction.h"

// Placeholder until the archive walk lands: enters the target folder, as the
// real extraction leaves it.
int ExtractPayload(int, const wchar_t*, const wchar_t*, const wchar_t* targetFolder, int)
{
    return SetCurrentDirectoryW(targetFolder) ? 0 : -1;
}
