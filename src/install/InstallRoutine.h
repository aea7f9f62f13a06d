// The whole installation in one synchronous call.
#pragma once
#include "install/InstallOptions.h"

// Returns 1 when the installation ran through, 0 after a reported failure.
// reportedMessage (optional) receives the string id of the failure, 0 on success.
int RunInstall(InstallOptions& options, int* reportedMessage = nullptr);

// Whether an installed icon library at `libraryPath` is left in place.
bool KeepInstalledIconLibrary(const wchar_t* libraryPath);

// Longest target folder, after blank removal, that the registration's
// 260-character command buffers can hold (one more with a trailing backslash).
constexpr int kMaxTargetFolderChars = 239;
