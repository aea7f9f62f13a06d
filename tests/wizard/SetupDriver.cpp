#include "SetupDriver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>

namespace {

constexpr UINT kSendTimeoutMs = 5000;
constexpr int kNextButton = 12324;

std::wstring EnvironmentText(const wchar_t* name)
{
    wchar_t value[1024] = {};
    DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? value : L"";
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

LRESULT Send(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, msg, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

struct ClassSearch {
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindClass(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<ClassSearch*>(data);
    if (ClassOf(child) == search->className) search->found = child;
    return search->found == nullptr;
}

bool HasDescendantOfClass(HWND window, const wchar_t* className)
{
    return FindDescendant(window, className) != nullptr;
}

struct DialogSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialogs(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window) && ClassOf(window) == L"#32770") search->found.push_back(window);
    return TRUE;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

HWND FindDescendant(HWND window, const wchar_t* className)
{
    ClassSearch search = {className, nullptr};
    EnumChildWindows(window, FindClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
}

std::wstring SetupExePath()
{
    return EnvironmentText(L"PICTOMAZE_SETUP");
}

std::wstring FakeViewerPath()
{
    return EnvironmentText(L"PICTOMAZE_FAKE_VIEWER");
}

SetupProcess::SetupProcess(const std::wstring& arguments)
{
    std::wstring exe = SetupExePath();
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &startup,
                        &m_process)) {
        m_process = {};
    }
}

SetupProcess::~SetupProcess()
{
    if (!m_process.hProcess) return;
    if (!HasExited()) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, kWaitMs);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool SetupProcess::WaitForExit(DWORD timeoutMs)
{
    return WaitFor([this] { return HasExited(); }, timeoutMs);
}

bool SetupProcess::HasExited() const
{
    return !m_process.hProcess || WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
}

void SetupProcess::WaitForIdle() const
{
    if (m_process.hProcess) WaitForInputIdle(m_process.hProcess, kWaitMs);
}

std::vector<HWND> SetupProcess::VisibleDialogs() const
{
    DialogSearch search = {m_process.dwProcessId, {}};
    EnumWindows(CollectDialogs, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND SetupProcess::WaitForSheet()
{
    WaitFor([this] {
        for (HWND dialog : VisibleDialogs()) {
            if (GetDlgItem(dialog, kNextButton)) m_sheet = dialog;
        }
        return m_sheet != nullptr;
    });
    return m_sheet;
}

HWND SetupProcess::FindMessageBox() const
{
    for (HWND dialog : VisibleDialogs()) {
        if (dialog == m_sheet || GetDlgItem(dialog, kNextButton)) continue;
        if (TextOf(dialog) == kSetupTitle && !HasDescendantOfClass(dialog, WC_TREEVIEWW)) return dialog;
    }
    return nullptr;
}

HWND SetupProcess::WaitForMessageBox(DWORD timeoutMs)
{
    HWND box = nullptr;
    WaitFor([&] { return (box = FindMessageBox()) != nullptr; }, timeoutMs);
    return box;
}

HWND SetupProcess::WaitForFolderPicker()
{
    HWND picker = nullptr;
    WaitFor([&] {
        for (HWND dialog : VisibleDialogs()) {
            if (HasDescendantOfClass(dialog, WC_TREEVIEWW)) picker = dialog;
        }
        return picker != nullptr;
    });
    return picker;
}

std::wstring SetupProcess::SelectedTreeItem(HWND tree) const
{
    auto item = reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return L"";
    // The item record and its text buffer must live in the setup's memory.
    constexpr size_t kChars = 260;
    const size_t size = sizeof(TVITEMW) + kChars * sizeof(wchar_t);
    void* remote = VirtualAllocEx(m_process.hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return L"";
    TVITEMW record = {};
    record.mask = TVIF_TEXT;
    record.hItem = item;
    record.pszText = reinterpret_cast<wchar_t*>(static_cast<BYTE*>(remote) + sizeof(TVITEMW));
    record.cchTextMax = kChars;
    wchar_t text[kChars] = {};
    if (WriteProcessMemory(m_process.hProcess, remote, &record, sizeof(record), nullptr) &&
        Send(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote))) {
        ReadProcessMemory(m_process.hProcess, record.pszText, text, sizeof(text) - sizeof(wchar_t), nullptr);
    }
    VirtualFreeEx(m_process.hProcess, remote, 0, MEM_RELEASE);
    return text;
}

int SetupProcess::ActivePage() const
{
    if (!m_sheet) return -1;
    auto page = reinterpret_cast<HWND>(Send(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (!page) return -1;
    return static_cast<int>(Send(m_sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
}

bool SetupProcess::WaitForPage(int index, DWORD timeoutMs)
{
    return WaitFor([&] { return ActivePage() == index; }, timeoutMs);
}

HWND SetupProcess::Page(int index) const
{
    return reinterpret_cast<HWND>(Send(m_sheet, PSM_INDEXTOHWND, static_cast<WPARAM>(index), 0));
}

void SetupProcess::PressNext() const
{
    PostMessageW(m_sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
}

void SetupProcess::PressBack() const
{
    PostMessageW(m_sheet, PSM_PRESSBUTTON, PSBTN_BACK, 0);
}

std::wstring TextOf(HWND window)
{
    auto length = static_cast<size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    auto copied = static_cast<size_t>(Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0])));
    text.resize(std::min(copied, length));
    return text;
}

void SetText(HWND window, const std::wstring& text)
{
    Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsChecked(HWND button)
{
    return Send(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND button, bool checked)
{
    Send(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Click(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

DWORD ThreadOf(HWND window)
{
    return GetWindowThreadProcessId(window, nullptr);
}

namespace {
HWND FocusOf(HWND dialog)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(ThreadOf(dialog), &info) ? info.hwndFocus : nullptr;
}
}  // namespace

bool HasFocus(HWND dialog)
{
    HWND focus = FocusOf(dialog);
    return focus && (focus == dialog || IsChild(dialog, focus));
}

void ClickToFocus(HWND dialog)
{
    if (HasFocus(dialog)) return;
    POINT spot = {3, 3};  // the frame's own background, no control there
    ClientToScreen(dialog, &spot);
    ClickMouse(spot);
}

bool PressKey(HWND dialog, UINT virtualKey)
{
    if (!WaitFor([&] { return HasFocus(dialog); })) return false;
    HWND target = FocusOf(dialog);
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageW(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000);
    return true;
}

std::wstring MessageText(HWND box)
{
    std::wstring longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != L"Static" || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
        std::wstring text = TextOf(child);
        if (text.size() > longest.size()) longest = text;
    }
    return longest;
}

int DefaultButton(HWND box)
{
    // The button drawn as the default one; Enter presses it.
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Button" && (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return GetDlgCtrlID(child);
        }
    }
    return 0;
}

void Answer(HWND box, int buttonId)
{
    Click(GetDlgItem(box, buttonId));
}

ViewerWindow::ViewerWindow(bool shown)
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Pictomaze";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    m_hwnd = CreateWindowExW(0, L"Pictomaze", L"Pictomaze", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    if (shown) ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
}

namespace {
BOOL CALLBACK CollectOtherViewers(HWND window, LPARAM data)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() && ClassOf(window) == L"Pictomaze") {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    }
    return TRUE;
}
}  // namespace

std::vector<HWND> OtherViewerWindows()
{
    std::vector<HWND> found;
    EnumWindows(CollectOtherViewers, reinterpret_cast<LPARAM>(&found));
    return found;
}

ViewerWindow::~ViewerWindow()
{
    DestroyWindow(m_hwnd);
}

ScreenPixels::ScreenPixels(const RECT& area)
    : m_width(area.right - area.left), m_height(area.bottom - area.top)
{
    m_bits.assign(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, m_width, m_height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    memcpy(m_bits.data(), bits, m_bits.size() * sizeof(DWORD));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF ScreenPixels::At(int x, int y) const
{
    DWORD p = m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int ScreenPixels::Count(COLORREF colour) const
{
    int n = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) n += At(x, y) == colour;
    return n;
}

int ScreenPixels::LongestRun(COLORREF colour) const
{
    int longest = 0;
    for (int y = 0; y < m_height; ++y) {
        int run = 0;
        for (int x = 0; x < m_width; ++x) {
            run = At(x, y) == colour ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

RECT ScreenRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

POINT CentreOf(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void MoveMouse(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

void ClickMouse(POINT screen)
{
    MoveMouse(screen);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void SetRegistryText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    HKEY k = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
}

void DeleteRegistryTree(HKEY root, const std::wstring& key)
{
    RegDeleteTreeW(root, key.c_str());
    RegDeleteKeyW(root, key.c_str());
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ReadAnsiFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return L"";
    std::string bytes(65536, '\0');
    DWORD read = 0;
    ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    std::wstring text(bytes.size(), L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0],
                                static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(n, 0)));
    return text;
}
