// File-system helpers of the archive walk.
#pragma once
#include <windows.h>

// Creates every level of a folder path ("\" or "/" separated, relative or
// absolute). 1, or 0 when a level's parent is missing, -104 without memory.
int MakeDirectoryTree(const wchar_t* path);

// Sets creation and last-write time of an existing file to a DOS date (upper
// 16 bits) and time (lower 16 bits) read as local time; access time stays.
void SetFileTimeFromDosDate(const wchar_t* path, unsigned long dosDateTime);

// Whether an entry name stays inside the folder it is unpacked into: not
// absolute, no drive letter, no ".." level.
bool IsContainedEntryName(const wchar_t* name);
