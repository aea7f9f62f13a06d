// The install log of silent installs: "Pictomaze_Install.log" in the current directory.
#pragma once

constexpr const wchar_t* kInstallLogName = L"Pictomaze_Install.log";

// Appends one dated entry; does nothing when the file cannot be opened.
void WriteInstallLog(const wchar_t* message);
