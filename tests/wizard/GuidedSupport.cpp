#include "GuidedSupport.h"

#include <commctrl.h>

#include <algorithm>

#include "SetupDriver.h"

namespace {

constexpr size_t kRemoteBytes = 4096;
constexpr size_t kTextChars = 256;

LRESULT Send(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, msg, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

}  // namespace

RemoteList::RemoteList(HWND list) : m_list(list)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (m_process) {
        m_remote = static_cast<BYTE*>(VirtualAllocEx(m_process, nullptr, kRemoteBytes, MEM_COMMIT, PAGE_READWRITE));
    }
}

RemoteList::~RemoteList()
{
    if (m_remote) VirtualFreeEx(m_process, m_remote, 0, MEM_RELEASE);
    if (m_process) CloseHandle(m_process);
}

int RemoteList::Rows() const
{
    return static_cast<int>(Send(m_list, LVM_GETITEMCOUNT, 0, 0));
}

int RemoteList::StateImage(int row) const
{
    auto state = static_cast<UINT>(Send(m_list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12);
}

std::wstring RemoteList::Text(int row, int column) const
{
    if (!m_remote) return L"";
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(m_remote + sizeof(LVITEMW));
    item.cchTextMax = kTextChars;
    wchar_t text[kTextChars] = {};
    if (WriteProcessMemory(m_process, m_remote, &item, sizeof(item), nullptr) &&
        Send(m_list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(m_remote)) > 0) {
        ReadProcessMemory(m_process, item.pszText, text, sizeof(text) - sizeof(wchar_t), nullptr);
    }
    return text;
}

int RemoteList::ColumnWidth(int column) const
{
    return static_cast<int>(Send(m_list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

DWORD RemoteList::ExtendedStyle() const
{
    return static_cast<DWORD>(Send(m_list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

COLORREF RemoteList::BackColour() const
{
    return static_cast<COLORREF>(Send(m_list, LVM_GETBKCOLOR, 0, 0));
}

COLORREF RemoteList::TextColour() const
{
    return static_cast<COLORREF>(Send(m_list, LVM_GETTEXTCOLOR, 0, 0));
}

std::wstring RemoteList::CheckedRows() const
{
    std::wstring rows;
    for (int row = 0; row < Rows(); ++row) {
        if (StateImage(row) == 2) rows += (rows.empty() ? L"" : L" ") + std::to_wstring(row);
    }
    return rows;
}

RECT RemoteList::RowRect(int row) const
{
    RECT r = {};
    r.left = LVIR_BOUNDS;
    if (!m_remote || !WriteProcessMemory(m_process, m_remote, &r, sizeof(r), nullptr)) return {};
    if (!Send(m_list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(m_remote))) return {};
    ReadProcessMemory(m_process, m_remote, &r, sizeof(r), nullptr);
    return r;
}

int RemoteList::HitFlags(POINT client) const
{
    LVHITTESTINFO hit = {};
    hit.pt = client;
    if (!m_remote || !WriteProcessMemory(m_process, m_remote, &hit, sizeof(hit), nullptr)) return 0;
    Send(m_list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(m_remote));
    ReadProcessMemory(m_process, m_remote, &hit, sizeof(hit), nullptr);
    return static_cast<int>(hit.flags);
}

bool RemoteList::ClickCheckBox(int row)
{
    Send(m_list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT r = RowRect(row);
    if (r.right <= r.left) return false;
    // The check box is where the list's own hit test says so; aim at its middle.
    const int y = (r.top + r.bottom) / 2;
    int first = -1, last = -1;
    for (int x = r.left; x < r.left + 64 && x < r.right; ++x) {
        if (HitFlags({x, y}) & LVHT_ONITEMSTATEICON) {
            if (first < 0) first = x;
            last = x;
        }
    }
    if (first < 0) return false;
    POINT target = {(first + last) / 2, y};
    ClientToScreen(m_list, &target);
    const int before = StateImage(row);
    ClickMouse(target);
    return WaitFor([&] { return StateImage(row) != before; }, 5000);
}

std::wstring ProgramOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return L"";
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (!QueryFullProcessImageNameW(process, 0, path, &size)) path[0] = L'\0';
    CloseHandle(process);
    return path;
}

RedText RedTextOf(HWND control)
{
    ScreenPixels pixels(ScreenRect(control));
    RedText red = {0, 0};
    int top = -1, bottom = -1;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            if (pixels.At(x, y) != RGB(255, 0, 0)) continue;
            ++red.pixels;
            if (top < 0) top = y;
            bottom = y;
        }
    }
    red.height = top < 0 ? 0 : bottom - top + 1;
    return red;
}

std::wstring GuidedFolder()
{
    wchar_t folder[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableW(L"GUIDED_FOLDER", folder, MAX_PATH);
    return n > 0 && n < MAX_PATH ? folder : L"C:\\Apps\\Pictomaze";
}
