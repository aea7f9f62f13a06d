// Release notes page (index 1, dialog 108).
#include <cstring>
#include <vector>

#include "resources/WizardControls.h"
#include "resources/resource.h"
#include "wizard/ReleaseNotes.h"
#include "wizard/WizPropertyPage.h"

namespace {

bool IsLetterOrDigit(wchar_t c)
{
    WORD type = 0;
    return GetStringTypeW(CT_CTYPE1, &c, 1, &type) && (type & (C1_ALPHA | C1_DIGIT)) != 0;
}

}  // namespace

void StripReleaseNotesEnd(wchar_t* text)
{
    for (size_t i = wcslen(text); i > 0 && !IsLetterOrDigit(text[i - 1]); --i) text[i - 1] = L'\0';
}

void CopyReleaseNotes(const void* data, DWORD size, wchar_t* buffer)
{
    memset(buffer, 0, kReleaseNotesChars * sizeof(wchar_t));
    // Whole characters only, and the last one stays the terminator: a longer
    // text is cut rather than left without its end.
    DWORD units = size / sizeof(wchar_t);
    if (units > kReleaseNotesChars - 1) units = kReleaseNotesChars - 1;
    if (data) memcpy(buffer, data, units * sizeof(wchar_t));
    StripReleaseNotesEnd(buffer);
}

bool ReadReleaseNotes(HMODULE module, wchar_t* buffer)
{
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(IDR_RELEASE_NOTES), L"TXT");
    if (!resource) return false;
    DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return false;
    CopyReleaseNotes(data, size, buffer);
    return true;
}

void CWizPropertyPage::ActivateReleaseNotesPage()
{
    LoadReleaseNotes();
}

void CWizPropertyPage::LoadReleaseNotes()
{
    std::vector<wchar_t> notes(kReleaseNotesChars);
    // The byte order mark stays as the text's first, invisible character.
    if (ReadReleaseNotes(GetModuleHandleW(nullptr), notes.data())) {
        SetDlgItemTextW(m_hWnd, IDC_RELEASE_NOTES, notes.data());
    }
}
