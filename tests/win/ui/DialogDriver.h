#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Helpers for tests that drive a modal window of this thread from a second
// thread (the modal loop keeps this thread busy).

// Runs show() on this thread; once a visible top-level window of this thread
// with that caption appears, drive(window) runs on a second thread. If the
// window is still there after drive, it is cancelled so the test ends.
// Returns what show() returned; found tells whether the window appeared.
int RunModal(const char* caption, const std::function<int()>& show,
             const std::function<void(HWND)>& drive, bool* found = nullptr);

// A visible top-level window of a thread with that caption, polled for up
// to timeoutMs; null if none appears.
HWND WaitForThreadWindow(DWORD threadId, const char* caption, DWORD timeoutMs = 20000);

// Polls until the window is gone; false on timeout.
bool WaitGone(HWND window, DWORD timeoutMs = 20000);

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// A temporary folder, removed with its contents at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    // Full path without a trailing backslash.
    const std::string& Path() const { return path_; }
    // Creates an empty file (and its folders) under the folder.
    void AddFile(const std::string& relative) const;

private:
    std::string path_;
};

// The pixels of a window's client area as painted by WM_PRINTCLIENT.
std::vector<COLORREF> PrintClient(HWND window, int& width, int& height);
int CountColor(const std::vector<COLORREF>& pixels, COLORREF color);
