#include "install/InstallRoutine.h"

#include <cstdlib>
#include <cwchar>

#include "app/Probes.h"
#include "install/InstallLog.h"
#include "install/PathOperations.h"
#include "install/PayloadExtraction.h"
#include "install/SettingsFile.h"
#include "integration/ApplicationRegistration.h"
#include "resources/resource.h"

namespace {

constexpr const wchar_t* kReferenceVersion = L"4.30";
constexpr LONG kReferenceLength = 226816;
constexpr const char* kPublisher = "Orvandel";

// The version text as the number the decision compares: parsed as a decimal
// in the ANSI code page, narrowed to single precision, times 1000, cut.
int VersionNumber(const wchar_t* text)
{
    char ansi[kPathChars * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof(ansi) - 1, nullptr, nullptr);
    volatile float value = static_cast<float>(strtod(ansi, nullptr));
    volatile float scaled = value * 1000.0f;
    return static_cast<int>(scaled);
}

bool EqualsIgnoringAsciiCase(const wchar_t* text, const char* ascii)
{
    for (;; ++text, ++ascii) {
        wchar_t a = *text;
        wchar_t b = static_cast<unsigned char>(*ascii);
        if (a >= L'A' && a <= L'Z') a += 32;
        if (b >= L'A' && b <= L'Z') b += 32;
        if (a != b) return false;
        if (a == L'\0') return true;
    }
}

void ReportFailure(const InstallOptions& options, UINT messageId, const wchar_t* folder, int* reported)
{
    wchar_t message[1024];
    LoadMessage(messageId, message, 1024);
    if (reported) *reported = static_cast<int>(messageId);
    if (!options.silent) {
        MessageBoxW(GetActiveWindow(), message, options.caption, MB_OK | MB_ICONERROR);
        return;
    }
    wchar_t text[1024 + kLongPathChars + 4];
    if (messageId == IDS_INSTALL_FAILED) {
        swprintf(text, sizeof(text) / sizeof(text[0]), L"%ls: %ls", folder, message);
    } else {
        swprintf(text, sizeof(text) / sizeof(text[0]), L"%ls: %ls", message, folder);
    }
    WriteInstallLog(text);
}

// A folder the registration cannot hold in full is refused up front.
bool TooLongForRegistration(const wchar_t* folder)
{
    wchar_t trimmed[kLongPathChars];
    CopyText(trimmed, kLongPathChars, folder);
    TrimBlanks(trimmed);
    size_t len = wcslen(trimmed);
    size_t limit = (len > 0 && trimmed[len - 1] == L'\\') ? kMaxTargetFolderChars + 1 : kMaxTargetFolderChars;
    return len > limit;
}

}  // namespace

bool KeepInstalledIconLibrary(const wchar_t* libraryPath)
{
    wchar_t version[kPathChars] = {};
    wchar_t company[kPathChars] = {};
    if (ReadVersionRecord(libraryPath, version, company, kPathChars) != 1) return false;

    int installed = VersionNumber(version);
    int reference = VersionNumber(kReferenceVersion);
    if (installed > reference) return true;
    if (installed == reference && GetFileLength(libraryPath) != kReferenceLength) return true;
    return !EqualsIgnoringAsciiCase(company, kPublisher);
}

int RunInstall(InstallOptions& options, int* reportedMessage)
{
    if (reportedMessage) *reportedMessage = 0;

    wchar_t folder[kLongPathChars] = {};
    CopyText(folder, kLongPathChars, options.targetFolder);
    if (folder[0] == L'\0' || TooLongForRegistration(folder)) {
        ReportFailure(options, IDS_INVALID_TARGET, folder, reportedMessage);
        return 0;
    }
    if (!CreateFolderPath(folder)) {
        ReportFailure(options, IDS_CANNOT_CREATE_TARGET, folder, reportedMessage);
        return 0;
    }

    wchar_t iconLibrary[kLongPathChars];
    CopyText(iconLibrary, kLongPathChars, folder);
    AppendText(iconLibrary, kLongPathChars, L"Plugins");
    CreateFolderPath(iconLibrary);
    AppendText(iconLibrary, kLongPathChars, L"Icons.dll");
    int skipIconLibrary = KeepInstalledIconLibrary(iconLibrary) ? 1 : 0;

    wchar_t target[kLongPathChars];
    CopyText(target, kLongPathChars, folder);
    if (ExtractPayload(IDR_PAYLOAD_ZIP, L"ZIP", L"pmazeg_x32.zip", target, skipIconLibrary) != 0) {
        ReportFailure(options, IDS_INSTALL_FAILED, folder, reportedMessage);
        return 0;
    }

    wchar_t settingsFile[kPathChars] = {};
    WriteSettingsFile(options, settingsFile);

    int confirmed = 1;
    if (options.anySelected && !options.silent) {
        wchar_t question[1024];
        LoadMessage(IDS_CONFIRM_ASSOC, question, 1024);
        if (MessageBoxW(GetActiveWindow(), question, options.caption,
                        MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDNO) {
            confirmed = 0;
        }
    }

    RegisterApplication(confirmed, options.anySelected, options.targetFolder, options.programGroup,
                        options.desktopShortcut, options.thumbnailsShortcut, options.allUsers, options.selection,
                        options.associateAllUsers);

    ConvertSettingsToUnicode(settingsFile);
    return 1;
}
