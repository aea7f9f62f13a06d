// The release notes the program carries: UTF-16 text with byte order mark,
// resource type "TXT", id 217, shown by the release notes page.
#pragma once
#include <windows.h>

// The text box's buffer: 20480 bytes, terminator included.
constexpr int kReleaseNotesChars = 10240;

// Copies resource bytes into `buffer` (kReleaseNotesChars, zeroed here) as
// whole UTF-16 units that leave room for the terminator, then strips the end.
void CopyReleaseNotes(const void* data, DWORD size, wchar_t* buffer);

// Overwrites every character at the end of the text that is not a letter or
// digit with the terminator, back to the last letter or digit.
void StripReleaseNotesEnd(wchar_t* text);

// Fills `buffer` from the module's release notes resource; false, with the
// buffer untouched, when there is none or it cannot be loaded.
bool ReadReleaseNotes(HMODULE module, wchar_t* buffer);
