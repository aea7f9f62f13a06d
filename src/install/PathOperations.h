// Blank removal, trailing backslash and level-by-level folder creation.
#pragma once
#include <windows.h>

void TrimBlanks(wchar_t* path);
void AppendBackslash(wchar_t* path);
// path: a buffer of at least 260 characters, normalised in place.
int CreateFolderPath(wchar_t* path);

// Bounded copies: false (and an empty or untouched-prefix destination) when the
// text does not fit, so no path is ever cut silently.
bool CopyText(wchar_t* dest, size_t capacity, const wchar_t* src);
bool AppendText(wchar_t* dest, size_t capacity, const wchar_t* src);

// The system folder followed by fileName, into a 260-character buffer.
bool BuildSystemFilePath(const wchar_t* fileName, wchar_t* out);

// A string table entry of this program (empty when missing).
void LoadMessage(UINT id, wchar_t* buffer, int capacity);
