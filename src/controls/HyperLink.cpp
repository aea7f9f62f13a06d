#include "controls/HyperLink.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cstring>

namespace {

constexpr int kHoverPeriodMs = 100;
constexpr int kLinkCursorId = 106;
constexpr size_t kCommandChars = 520;  // the fallback command line, terminator included
constexpr DWORD kRegistryTextBytes = 260;

std::wstring WindowText(HWND hwnd)
{
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, &text[0], length + 1)));
    return text;
}

// The default value of a key under HKEY_CLASSES_ROOT, at most 260 bytes with
// its terminator; false when missing or longer.
bool ReadClassesRootText(const wchar_t* keyPath, std::wstring& text)
{
    UniqueHKey key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, keyPath, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return false;
    wchar_t buffer[kRegistryTextBytes / sizeof(wchar_t) + 1] = {};  // a spare terminator
    DWORD bytes = kRegistryTextBytes;
    if (RegQueryValueExW(key.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &bytes) !=
        ERROR_SUCCESS) {
        return false;
    }
    size_t length = wcsnlen(buffer, kRegistryTextBytes / sizeof(wchar_t));
    if (length >= kRegistryTextBytes / sizeof(wchar_t)) return false;  // no room for the terminator
    text.assign(buffer, length);
    return true;
}

}  // namespace

bool BuildBrowserCommand(const wchar_t* openCommand, const wchar_t* address, wchar_t* out, size_t capacity)
{
    std::wstring command = openCommand;
    size_t placeholder = command.find(L"\"%1\"");
    if (placeholder == std::wstring::npos) placeholder = command.find(L"%1");
    if (placeholder != std::wstring::npos) command.resize(placeholder);
    command += L' ';
    command += address;
    if (command.size() + 1 > capacity) {
        if (capacity > 0) out[0] = L'\0';
        return false;
    }
    memcpy(out, command.c_str(), (command.size() + 1) * sizeof(wchar_t));
    return true;
}

CHyperLink::~CHyperLink()
{
    if (m_hWnd) KillTimer(m_hWnd, m_nTimerID);
    if (m_hLinkCursor) DestroyCursor(m_hLinkCursor);
}

void CHyperLink::SetUrl(const wchar_t* address)
{
    m_strUrl = address ? address : L"";
    if (m_hWnd) FitWindowToText();
}

void CHyperLink::SetUnderlineMode(int mode)
{
    if (mode == m_nUnderline) return;
    if (m_hWnd) {
        HFONT font = mode == 1 ? m_fontUnderline.get() : m_fontStandard.get();
        SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    m_nUnderline = mode;
}

BOOL CHyperLink::DestroyWindow()
{
    if (m_hWnd) KillTimer(m_hWnd, m_nTimerID);
    return CStatic::DestroyWindow();
}

void CHyperLink::PreSubclassWindow()
{
    // Clicks are reported only with the notify style.
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, GetWindowLongPtrW(m_hWnd, GWL_STYLE) | SS_NOTIFY);

    std::wstring text = WindowText(m_hWnd);
    if (m_strUrl.empty()) m_strUrl = text;
    if (text.empty()) SetWindowTextW(m_hWnd, m_strUrl.c_str());

    auto font = reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!font) font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    LOGFONTW logfont = {};
    GetObjectW(font, sizeof(logfont), &logfont);
    m_fontStandard.reset(CreateFontIndirectW(&logfont));
    logfont.lfUnderline = TRUE;
    m_fontUnderline.reset(CreateFontIndirectW(&logfont));

    FitWindowToText();
    LoadLinkCursor();
    SetUnderlineMode(-1);
}

void CHyperLink::FitWindowToText()
{
    if (!m_hWnd || !m_bAdjustToFit) return;

    RECT window = {}, client = {};
    GetWindowRect(m_hWnd, &window);
    GetClientRect(m_hWnd, &client);
    MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (HWND parent = GetParent(m_hWnd)) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&client), 2);
    }

    std::wstring text = WindowText(m_hWnd);
    SIZE extent = {};
    if (HDC dc = GetDC(m_hWnd)) {
        HGDIOBJ previous = SelectObject(dc, m_fontUnderline.get());
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, previous);
        ReleaseDC(m_hWnd, dc);
    }

    const int windowWidth = window.right - window.left;
    const int windowHeight = window.bottom - window.top;
    const int width = extent.cx + (windowWidth - (client.right - client.left));
    const int height = extent.cy + (windowHeight - (client.bottom - client.top));

    const LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    if (style & SS_CENTERIMAGE) {
        const int shrink = (windowHeight - height) / 2;
        window.top += shrink;
        window.bottom -= shrink;
    } else {
        window.bottom = window.top + height;
    }
    // The alignment is a type field of the style, not a set of flags.
    const LONG_PTR alignment = style & SS_TYPEMASK;
    if (alignment == SS_CENTER) {
        const int shrink = (windowWidth - width) / 2;
        window.left += shrink;
        window.right -= shrink;
    } else if (alignment == SS_RIGHT) {
        window.left = window.right - width;
    } else {
        window.right = window.left + width;
    }
    SetWindowPos(m_hWnd, nullptr, window.left, window.top, window.right - window.left, window.bottom - window.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CHyperLink::LoadLinkCursor()
{
    if (m_hLinkCursor) return;
    wchar_t folder[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::wstring path = std::wstring(folder) + L"\\winhlp32.exe";
    if (path.size() >= MAX_PATH) return;
    // Only its resources are wanted: no code of it runs.
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return;
    if (HCURSOR cursor = LoadCursorW(module, MAKEINTRESOURCEW(kLinkCursorId))) {
        m_hLinkCursor = static_cast<HCURSOR>(CopyIcon(cursor));
    }
    FreeLibrary(module);
}

bool CHyperLink::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT* result)
{
    switch (msg) {
    case WM_SETCURSOR:
        if (m_hLinkCursor) SetCursor(m_hLinkCursor);
        *result = m_hLinkCursor ? TRUE : FALSE;
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove();
        return false;
    case WM_TIMER:
        OnTimer();
        return false;
    case WM_ERASEBKGND: {
        RECT client = {};
        GetClientRect(m_hWnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        *result = TRUE;
        return true;
    }
    case WM_DESTROY:
        KillTimer(m_hWnd, m_nTimerID);
        return false;
    default:
        return false;
    }
}

HBRUSH CHyperLink::CtlColor(HDC dc)
{
    SetTextColor(dc, m_bOverControl ? m_crHoverColour : m_bVisited ? m_crVisitedColour : m_crLinkColour);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool CHyperLink::OnChildNotify(UINT notifyCode)
{
    if (notifyCode != STN_CLICKED) return false;
    OnLinkClicked();
    return true;
}

void CHyperLink::OnMouseMove()
{
    if (m_bOverControl) return;
    m_bOverControl = TRUE;
    if (m_nUnderline == -1) SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontUnderline.get()), TRUE);
    InvalidateRect(m_hWnd, nullptr, TRUE);
    // Leaving is noticed by polling: statics get no mouse-leave of their own.
    SetTimer(m_hWnd, m_nTimerID, kHoverPeriodMs, nullptr);
}

void CHyperLink::OnTimer()
{
    DWORD position = GetMessagePos();
    POINT cursor = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ScreenToClient(m_hWnd, &cursor);
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    if (PtInRect(&client, cursor)) return;

    m_bOverControl = FALSE;
    KillTimer(m_hWnd, m_nTimerID);
    if (m_nUnderline != 1) SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontStandard.get()), TRUE);
    client.bottom += 10;
    InvalidateRect(m_hWnd, &client, TRUE);
}

void CHyperLink::OnLinkClicked()
{
    m_bOverControl = FALSE;
    INT_PTR result = OpenLinkTarget(m_strUrl.c_str(), SW_SHOW);
    if (static_cast<UINT_PTR>(result) <= 32) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    m_bVisited = TRUE;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, TRUE);
}

INT_PTR CHyperLink::OpenLinkTarget(const wchar_t* address, int showCommand)
{
    auto shell = reinterpret_cast<INT_PTR>(ShellExecuteW(GetDesktopWindow(), L"open", address, nullptr, nullptr,
                                                         showCommand));
    if (static_cast<UINT_PTR>(shell) > 32) return shell;

    // Fallback: the browser registered for web pages, started directly.
    std::wstring browserClass;
    if (!ReadClassesRootText(L".htm", browserClass)) return shell;
    std::wstring openCommand;
    if (!ReadClassesRootText((browserClass + L"\\shell\\open\\command").c_str(), openCommand)) return shell;

    wchar_t commandLine[kCommandChars];
    if (!BuildBrowserCommand(openCommand.c_str(), address, commandLine, kCommandChars)) return shell;

    int bytes = WideCharToMultiByte(CP_THREAD_ACP, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return shell;
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, commandLine, -1, &ansi[0], bytes, nullptr, nullptr);
    return static_cast<INT_PTR>(WinExec(ansi.c_str(), static_cast<UINT>(showCommand)));
}
