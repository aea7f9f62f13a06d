#include "install/PayloadExtraction.h"

#include "framework/Handles.h"
#include "install/InstallOptions.h"
#include "install/PathOperations.h"

int ExtractPayload(int resourceId, const wchar_t* resourceType, const wchar_t* tempFileName,
                   const wchar_t* targetFolder, int skipIconLibrary)
{
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), resourceType);
    if (!info) return -1;
    HGLOBAL loaded = LoadResource(nullptr, info);
    if (!loaded) return -1;
    const void* bytes = LockResource(loaded);
    DWORD size = SizeofResource(nullptr, info);
    if (!bytes || size == 0) return -1;

    wchar_t tempFile[kLongPathChars] = {};
    DWORD n = GetTempPathW(kLongPathChars - 1, tempFile);
    if (n == 0 || n >= kLongPathChars - 1) return -1;
    if (tempFile[n - 1] != L'\\') AppendText(tempFile, kLongPathChars, L"\\");
    if (!AppendText(tempFile, kLongPathChars, tempFileName)) return -1;

    {
        UniqueFile file(CreateFileW(tempFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
        if (!file) return -1;
        // A short write leaves an archive that will not open: the walk reports it.
        DWORD written = 0;
        WriteFile(file.get(), bytes, size, &written, nullptr);
    }

    int result = ExtractArchive(tempFile, targetFolder, skipIconLibrary);
    DeleteFileW(tempFile);
    return result;
}
