#include "app/CommandLine.h"

#include <climits>
#include <cwchar>
#include <cwctype>

int ReadOptionValue(const wchar_t* commandLine, int slashPos, wchar_t* value, int nameLength, int limit)
{
    int pos = slashPos + nameLength;
    int out = 0;
    while (commandLine[pos] != L'\0' && commandLine[pos] != L'/' && pos - slashPos < limit) {
        value[out++] = commandLine[pos++];
    }
    value[out] = L'\0';
    return pos;
}

void TidyOptionValue(wchar_t* value, bool secondPass)
{
    size_t len = wcslen(value);
    if (len == 0) return;
    while (len > 0 && value[len - 1] == L' ') value[--len] = L'\0';
    if (len == 0) return;
    if (value[len - 1] == L'"') value[--len] = L'\0';
    if (value[0] == L'"') {
        memmove(value, value + 1, len * sizeof(wchar_t));
        --len;
    }
    if (secondPass) {
        while (len > 0 && value[len - 1] == L' ') value[--len] = L'\0';
    }
}

int ParseDecimal(const wchar_t* text)
{
    const wchar_t* p = text;
    while (iswspace(*p)) ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-') negative = *p++ == L'-';
    long long n = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        n = n * 10 + (*p - L'0');
        if (n > static_cast<long long>(INT_MAX) + 1) n = static_cast<long long>(INT_MAX) + 1;  // saturate
    }
    if (negative) n = -n;
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<int>(n);
}

namespace {

// Position of the first occurrence of `name`, or -1.
int FindOption(const wchar_t* commandLine, const wchar_t* name)
{
    const wchar_t* hit = wcsstr(commandLine, name);
    return hit ? static_cast<int>(hit - commandLine) : -1;
}

void ReadPathOption(SilentOptions& o, const wchar_t* name, wchar_t* dest)
{
    int pos = FindOption(o.commandLine, name);
    if (pos < 0) return;
    ReadOptionValue(o.commandLine, pos, dest, static_cast<int>(wcslen(name)), kOptionValueLimit);
    TidyOptionValue(dest, true);
}

bool ReadNumberOption(SilentOptions& o, const wchar_t* name, int& dest)
{
    int pos = FindOption(o.commandLine, name);
    if (pos < 0) return false;
    ReadOptionValue(o.commandLine, pos, o.value, static_cast<int>(wcslen(name)), kOptionValueLimit);
    dest = ParseDecimal(o.value);
    return true;
}

}  // namespace

void ReadSilentOptions(const wchar_t* commandLine, SilentOptions& o)
{
    wcsncpy(o.commandLine, commandLine, 519);
    o.commandLine[519] = L'\0';

    ReadPathOption(o, L"/folder=", o.targetFolder);
    ReadNumberOption(o, L"/desktop=", o.desktopShortcut);
    ReadNumberOption(o, L"/thumbs=", o.thumbnailsShortcut);
    ReadNumberOption(o, L"/group=", o.programGroup);
    ReadNumberOption(o, L"/allusers=", o.allUsers);
    int assoc = 0;
    if (ReadNumberOption(o, L"/assoc=", assoc)) {
        if (assoc == 1) {
            o.selection.SelectImages();
            o.anySelected = 1;
        } else if (assoc == 2) {
            o.selection.SelectAll();
            o.anySelected = 1;
        }
    }
    if (FindOption(o.commandLine, L"/assocallusers") >= 0) o.associateAllUsers = 1;
    ReadPathOption(o, L"/ini=", o.iniFolder);
}
