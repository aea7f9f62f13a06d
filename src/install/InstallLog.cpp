#include "install/InstallLog.h"

#include <windows.h>

#include <cwchar>
#include <string>

#include "framework/Handles.h"

namespace {

// ISO 8859-1, one byte per character; line feeds become CR LF. Characters
// without a single-byte form are written as "?".
void AppendLatin1(std::string& out, const wchar_t* text)
{
    for (const wchar_t* p = text; *p; ++p) {
        if (*p == L'\n') {
            out += "\r\n";
        } else {
            out += *p <= 0xFF ? static_cast<char>(*p) : '?';
        }
    }
}

}  // namespace

void WriteInstallLog(const wchar_t* message)
{
    UniqueFile file(CreateFileW(kInstallLogName, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;

    wchar_t date[256] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 256);
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t time[16];
    swprintf(time, 16, L"%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);

    std::string entry;
    AppendLatin1(entry, date);
    entry += " - ";
    AppendLatin1(entry, time);
    entry += ": ";
    AppendLatin1(entry, message);
    entry += "\r\n------------------------------------------------\r\n";

    DWORD written = 0;
    WriteFile(file.get(), entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr);
}
