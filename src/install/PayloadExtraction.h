// Unpacking the payload archive carried in the program's resources.
#pragma once
#include <windows.h>

// 0 on success; -1 when the resource, the temporary file, the archive or the
// target folder cannot be prepared; the walk's failure otherwise.
int ExtractPayload(int resourceId, const wchar_t* resourceType, const wchar_t* tempFileName,
                   const wchar_t* targetFolder, int skipIconLibrary);

// Unpacks every entry of the archive at archivePath into targetFolder, which
// stays the current directory afterwards. 0 on success; -1 when the archive
// cannot be opened or the folder entered; otherwise the failing entry's value
// (a negative archive-library error, or -1 for a failed write).
int ExtractArchive(const wchar_t* archivePath, const wchar_t* targetFolder, int skipIconLibrary);
