// Reading back what the registration and the association pass wrote, with the
// type and the stored byte count, so that a test sees what Windows sees.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;

    // A REG_SZ stored with exactly one terminating zero.
    bool IsTerminatedText() const
    {
        return type == REG_SZ && bytes.size() >= 2 && bytes.size() % 2 == 0 && bytes[bytes.size() - 1] == 0 &&
               bytes[bytes.size() - 2] == 0 && Text().size() == bytes.size() / 2 - 1;
    }
    std::wstring Text() const
    {
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
        return text.substr(0, text.find(L'\0'));
    }
    DWORD Number() const { return bytes.size() == 4 ? *reinterpret_cast<const DWORD*>(bytes.data()) : 0xFFFFFFFF; }
};

// name null: the key's default value.
inline std::optional<StoredValue> ReadStored(HKEY root, const std::wstring& key, const wchar_t* name = nullptr)
{
    HKEY h = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return std::nullopt;
    StoredValue v;
    DWORD size = 0;
    LONG rc = RegQueryValueExW(h, name, nullptr, &v.type, nullptr, &size);
    if (rc == ERROR_SUCCESS) {
        v.bytes.resize(size);
        rc = RegQueryValueExW(h, name, nullptr, &v.type, v.bytes.data(), &size);
    }
    RegCloseKey(h);
    if (rc != ERROR_SUCCESS) return std::nullopt;
    return v;
}

// The text of a REG_SZ stored with its terminator; nullopt when missing.
inline std::optional<std::wstring> ReadText(HKEY root, const std::wstring& key, const wchar_t* name = nullptr)
{
    auto v = ReadStored(root, key, name);
    if (!v || !v->IsTerminatedText()) return std::nullopt;
    return v->Text();
}

inline bool KeyExists(HKEY root, const std::wstring& key)
{
    HKEY h = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

// Names of the subkeys, or of the values (default value as ""), of a key.
inline std::vector<std::wstring> ListNames(HKEY root, const std::wstring& key, bool values)
{
    std::vector<std::wstring> names;
    HKEY h = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return names;
    for (DWORD i = 0;; ++i) {
        wchar_t name[512];
        DWORD len = 512;
        LONG rc = values ? RegEnumValueW(h, i, name, &len, nullptr, nullptr, nullptr, nullptr)
                         : RegEnumKeyExW(h, i, name, &len, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS) break;
        names.emplace_back(name, len);
    }
    RegCloseKey(h);
    return names;
}
