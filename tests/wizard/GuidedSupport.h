// Helpers for driving whole guided installs: the association list read and
// clicked from outside (its item records live in the setup's memory), the
// running viewer's program file, and the red notice on the screen.
#pragma once
#include <windows.h>

#include <string>

// A list view of another process.
class RemoteList {
public:
    explicit RemoteList(HWND list);
    ~RemoteList();
    RemoteList(const RemoteList&) = delete;
    RemoteList& operator=(const RemoteList&) = delete;

    HWND hwnd() const { return m_list; }
    int Rows() const;
    // Index of a row's state image: 1 unchecked, 2 checked.
    int StateImage(int row) const;
    std::wstring Text(int row, int column) const;
    int ColumnWidth(int column) const;
    DWORD ExtendedStyle() const;
    COLORREF BackColour() const;
    COLORREF TextColour() const;
    // The rows whose check box shows a check mark, as a text "2 23" for messages.
    std::wstring CheckedRows() const;
    // Scrolls the row into view and clicks its check box with the mouse.
    bool ClickCheckBox(int row);

private:
    RECT RowRect(int row) const;
    int HitFlags(POINT client) const;

    HWND m_list;
    HANDLE m_process = nullptr;
    BYTE* m_remote = nullptr;  // scratch memory in the setup for the item records
};

// The program file of the process that owns a window ("" when unknown).
std::wstring ProgramOf(HWND window);

// Red pixels, RGB(255, 0, 0), of a control on the screen: how many, and how
// many rows of pixels they span.
struct RedText {
    int pixels;
    int height;
};
RedText RedTextOf(HWND control);

// The Windows folder the guided installs go to (GUIDED_FOLDER, set by the runner).
std::wstring GuidedFolder();
