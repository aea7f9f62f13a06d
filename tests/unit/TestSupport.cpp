#include "TestSupport.h"

#include <shellapi.h>

#include <fstream>
#include <sstream>

namespace {

void DeleteTree(const std::wstring& folder)
{
    std::wstring from = folder;
    if (!from.empty() && from.back() == L'\\') from.pop_back();
    from.push_back(L'\0');  // double terminator for the shell
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

HKEY CreateScratchKey(const std::wstring& path, REGSAM access)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (access != KEY_ALL_ACCESS && key) {
        HKEY reopened = nullptr;
        RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &reopened);
        RegCloseKey(key);
        key = reopened;
    }
    return key;
}

}  // namespace

ScratchFolder::ScratchFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GUID guid;
    CoCreateGuid(&guid);
    wchar_t name[64];
    swprintf(name, 64, L"pmtest-%08lx%04x\\", guid.Data1, guid.Data2);
    m_path = std::wstring(temp) + name;
    CreateDirectoryW(m_path.c_str(), nullptr);
    GetCurrentDirectoryW(MAX_PATH, m_previous);
    SetCurrentDirectoryW(m_path.c_str());
}

ScratchFolder::~ScratchFolder()
{
    SetCurrentDirectoryW(m_previous);
    DeleteTree(m_path);
}

RegistryRedirect::RegistryRedirect(REGSAM access)
{
    GUID guid;
    CoCreateGuid(&guid);
    wchar_t name[96];
    swprintf(name, 96, L"Software\\PictomazeTests\\%08lx%04x", guid.Data1, guid.Data2);
    m_root = name;
    m_machine = CreateScratchKey(m_root + L"\\HKLM", access);
    m_user = CreateScratchKey(m_root + L"\\HKCU", access);
    m_classes = CreateScratchKey(m_root + L"\\HKCR", access);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine);
    RegOverridePredefKey(HKEY_CURRENT_USER, m_user);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, m_classes);
}

RegistryRedirect::~RegistryRedirect()
{
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(m_machine);
    RegCloseKey(m_user);
    RegCloseKey(m_classes);
    RegDeleteTreeW(HKEY_CURRENT_USER, m_root.c_str());
}

std::string ReadFileBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out << bytes;
}
