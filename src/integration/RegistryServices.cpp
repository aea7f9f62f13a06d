#include "integration/RegistryServices.h"

#include <cwchar>

void SetKeyDefault(HKEY root, const wchar_t* subKey, const wchar_t* text)
{
    RegSetValueW(root, subKey, REG_SZ, text, static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

void SetStringValue(HKEY key, const wchar_t* name, const wchar_t* text)
{
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

void SetDwordValue(HKEY key, const wchar_t* name, DWORD value)
{
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

UniqueHKey OpenKey(HKEY root, const wchar_t* subKey, REGSAM access)
{
    UniqueHKey key;
    if (RegOpenKeyExW(root, subKey, 0, access, key.put()) != ERROR_SUCCESS) key.release();
    return key;
}

UniqueHKey CreateKey(HKEY root, const wchar_t* subKey)
{
    UniqueHKey key;
    if (RegCreateKeyW(root, subKey, key.put()) != ERROR_SUCCESS) key.release();
    return key;
}

void DeleteKey(HKEY root, const wchar_t* subKey)
{
    RegDeleteKeyW(root, subKey);
}
