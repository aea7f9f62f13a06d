// Shared fixtures of the unit tests: a scratch folder as the current
// directory, and the predefined registry roots redirected to scratch keys.
#pragma once
#include <windows.h>

#include <string>

// A fresh folder under the temporary folder; the current directory while the
// object lives. Removed with its content afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::wstring& path() const { return m_path; }  // ends with a backslash
    std::wstring file(const wchar_t* name) const { return m_path + name; }

private:
    std::wstring m_path;
    wchar_t m_previous[MAX_PATH] = {};
};

// HKLM, HKCU and HKCR point at empty keys under HKCU\Software\PictomazeTests
// while the object lives (the real hives stay untouched).
class RegistryRedirect {
public:
    explicit RegistryRedirect(REGSAM access = KEY_ALL_ACCESS);
    ~RegistryRedirect();
    HKEY machine() const { return m_machine; }
    HKEY user() const { return m_user; }

private:
    std::wstring m_root;
    HKEY m_machine = nullptr;
    HKEY m_user = nullptr;
    HKEY m_classes = nullptr;
};

std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
