// Unpacking the payload archive carried in the program's resources.
#pragma once
#include <windows.h>

// 0 on success; -1 when the resource, the temporary file, the archive or the
// target folder cannot be prepared; the walk's failure otherwise.
int ExtractPayload(int resourceId, const wchar_t* resourceType, const wchar_t* tempFileName,
                   const wchar_t* targetFolder, int skipIconLibrary);
