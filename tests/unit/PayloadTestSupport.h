// Scratch folders and small file helpers for the payload and settings tests.
#pragma once
#include <windows.h>

#include <string>

namespace payload_test {

inline std::wstring CurrentDirectory()
{
    wchar_t buffer[1024] = {};
    GetCurrentDirectoryW(1024, buffer);
    return buffer;
}

inline void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

// A fresh folder below the temporary folder, removed with everything in it;
// the current directory is restored as well, since unpacking moves it.
class ScratchFolder {
public:
    ScratchFolder() : m_cwd(CurrentDirectory())
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        static int serial = 0;
        m_path = std::wstring(temp) + L"pm_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                 std::to_wstring(++serial);
        RemoveTree(m_path);
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        SetCurrentDirectoryW(m_cwd.c_str());
        RemoveTree(m_path);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& path() const { return m_path; }
    // path\relative; Folder() also creates every level of it.
    std::wstring operator/(const std::wstring& relative) const { return m_path + L"\\" + relative; }
    std::wstring Folder(const std::wstring& relative) const
    {
        std::wstring full = m_path;
        size_t start = 0;
        while (start <= relative.size()) {
            size_t end = relative.find(L'\\', start);
            if (end == std::wstring::npos) end = relative.size();
            full += L"\\" + relative.substr(start, end - start);
            CreateDirectoryW(full.c_str(), nullptr);
            start = end + 1;
        }
        return full;
    }

private:
    std::wstring m_cwd;
    std::wstring m_path;
};

inline bool FileExists(const std::wstring& path)
{
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

inline bool FolderExists(const std::wstring& path)
{
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

inline std::string ReadAll(const std::wstring& path)
{
    std::string data;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return data;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &n, nullptr) && n > 0) data.append(buffer, n);
    CloseHandle(h);
    return data;
}

inline bool WriteAll(const std::wstring& path, const std::string& data)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD n = 0;
    BOOL ok = WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &n, nullptr);
    CloseHandle(h);
    return ok && n == data.size();
}

inline std::string Utf16Bytes(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

// Fixtures built beside the test program: build/tests/fixtures/...
inline std::wstring FixturePath(const std::wstring& relative)
{
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring dir = exe;
    dir.resize(dir.find_last_of(L"\\/") + 1);
    return dir + L"fixtures\\" + relative;
}

}  // namespace payload_test
