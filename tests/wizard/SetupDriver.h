// Drives the real setup program from outside, as a user would: finds its
// wizard and message boxes, presses buttons, reads texts, check states and
// screen pixels. Every wait is for a condition, with a time limit.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

constexpr DWORD kWaitMs = 30000;
constexpr const wchar_t* kSetupTitle = L"Pictomaze 32-bit Setup";

// Checks `condition` every 20 ms (delivering this thread's messages) until it
// holds; false after `timeoutMs`.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs);

// Windows paths handed over by the test wrapper.
std::wstring SetupExePath();
std::wstring FakeViewerPath();

class SetupProcess {
public:
    explicit SetupProcess(const std::wstring& arguments = L"");
    ~SetupProcess();
    SetupProcess(const SetupProcess&) = delete;
    SetupProcess& operator=(const SetupProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    bool WaitForExit(DWORD timeoutMs = kWaitMs);
    bool HasExited() const;
    // Until the setup waits for input with none pending.
    void WaitForIdle() const;

    // The visible wizard sheet, or null when it does not appear.
    HWND WaitForSheet();
    HWND Sheet() const { return m_sheet; }
    // A visible message box of the setup (a dialog with the setup's title
    // that is not the sheet), or null.
    HWND FindMessageBox() const;
    HWND WaitForMessageBox(DWORD timeoutMs = kWaitMs);
    // A visible dialog with a tree of folders: the folder picker.
    HWND WaitForFolderPicker();
    // Text of the item selected in a tree view of the setup (read through its memory).
    std::wstring SelectedTreeItem(HWND tree) const;

    int ActivePage() const;
    bool WaitForPage(int index, DWORD timeoutMs = kWaitMs);
    HWND Page(int index) const;
    HWND Item(int page, int id) const { return GetDlgItem(Page(page), id); }
    HWND SheetItem(int id) const { return GetDlgItem(m_sheet, id); }

    // Button presses go by posted messages, so a message box they open
    // never blocks the driver.
    void PressNext() const;
    void PressBack() const;

private:
    std::vector<HWND> VisibleDialogs() const;

    PROCESS_INFORMATION m_process = {};
    HWND m_sheet = nullptr;
};

// The first descendant window of a class, or null.
HWND FindDescendant(HWND window, const wchar_t* className);
std::wstring TextOf(HWND window);
void SetText(HWND window, const std::wstring& text);
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);
void Click(HWND button);
// A key pressed and released where the setup's keyboard focus is.
// True when the keyboard focus of the dialog's thread is in the dialog (or on it).
bool HasFocus(HWND dialog);
// A click on a bare spot of the dialog, as a user gives it the keyboard.
void ClickToFocus(HWND dialog);
// Waits until the keyboard focus is in `dialog`, then posts the key there.
bool PressKey(HWND dialog, UINT virtualKey);
DWORD ThreadOf(HWND window);

// The message text of a message box, its default button id, and a click on one of its buttons.
std::wstring MessageText(HWND box);
int DefaultButton(HWND box);
void Answer(HWND box, int buttonId);

// A window of class "Pictomaze", as the running viewer has.
class ViewerWindow {
public:
    // shown: on the screen, without taking the foreground.
    explicit ViewerWindow(bool shown = false);
    ~ViewerWindow();
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

// Top-level windows of class "Pictomaze" that other processes own.
std::vector<HWND> OtherViewerWindows();

// Screen pixels of a rectangle in screen coordinates.
class ScreenPixels {
public:
    explicit ScreenPixels(const RECT& area);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const;
    int Count(COLORREF colour) const;
    // The longest horizontal run of one colour in any row.
    int LongestRun(COLORREF colour) const;

private:
    int m_width;
    int m_height;
    std::vector<DWORD> m_bits;
};

RECT ScreenRect(HWND window);
POINT CentreOf(const RECT& r);
void MoveMouse(POINT screen);
void ClickMouse(POINT screen);

// Registry and file helpers for the throwaway prefix the tests run in.
void SetRegistryText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value);
void DeleteRegistryTree(HKEY root, const std::wstring& key);
bool FileExists(const std::wstring& path);
std::wstring ReadAnsiFile(const std::wstring& path);
