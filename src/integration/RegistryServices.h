// The registry calls of the integration, each as Windows provides it. Writes
// are fire-and-forget: a key that cannot be opened only makes its values skip.
#pragma once
#include <windows.h>

#include "framework/Handles.h"

// RegSetValueW: creates the key and missing parents, stores the text as REG_SZ.
void SetKeyDefault(HKEY root, const wchar_t* subKey, const wchar_t* text);
// REG_SZ sized in bytes with the terminating zero.
void SetStringValue(HKEY key, const wchar_t* name, const wchar_t* text);
void SetDwordValue(HKEY key, const wchar_t* name, DWORD value);
// Empty when the key does not open (RegOpenKeyExW) or cannot be created (RegCreateKeyW).
UniqueHKey OpenKey(HKEY root, const wchar_t* subKey, REGSAM access);
UniqueHKey CreateKey(HKEY root, const wchar_t* subKey);
// RegDeleteKeyW: a key without subkeys; a missing key is no error.
void DeleteKey(HKEY root, const wchar_t* subKey);
