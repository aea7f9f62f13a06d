#include "wizard/WelcomeRules.h"

#include <cwchar>

#include "install/InstallOptions.h"

namespace {
constexpr const wchar_t* kProductFolder = L"Pictomaze\\";
}

std::wstring FormatTemplateText(const wchar_t* format, std::initializer_list<const wchar_t*> args)
{
    std::wstring text;
    auto next = args.begin();
    for (const wchar_t* p = format; *p; ++p) {
        if (p[0] == L'%' && p[1] == L's') {
            if (next != args.end()) text += *next++;
            ++p;
        } else if (p[0] == L'%' && p[1] == L'%') {
            text += L'%';
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}

bool HasDrivePart(const wchar_t* folder)
{
    return folder[0] != L'\0' && folder[1] == L':';
}

bool AppendProductFolder(wchar_t* folder)
{
    std::wstring result = folder;
    if (result.empty() || result.back() != L'\\') result += L'\\';

    const size_t length = result.size();
    // The last backslash before the trailing one.
    const size_t slash = length >= 2 ? result.rfind(L'\\', length - 2) : std::wstring::npos;
    bool append;
    if (slash != std::wstring::npos && slash > 0) {
        append = _wcsicmp(result.c_str() + slash, L"\\pictomaze\\") != 0;
    } else {
        append = length == 3;  // a drive root such as D:\ .
    }
    if (append) result += kProductFolder;

    if (result.size() + 1 > static_cast<size_t>(kPathChars)) return false;
    wcscpy(folder, result.c_str());
    return true;
}

std::wstring PickerPreselection(const wchar_t* folder)
{
    std::wstring selection = folder;
    if (selection.size() > 3 && selection.back() == L'\\') selection.pop_back();
    return selection;
}
