#pragma once
#include <windows.h>

#include <string>

#include "ui/GdiHandles.h"

// Opens a link's target; true on success. The shell's "open" in the
// launcher; tests put their own in its place so that nothing is opened.
using LinkOpener = bool (*)(const std::string& target);
bool ShellOpen(const std::string& target);

// Turns a static text control into a link: its text drawn underlined in the
// link colour, a hand cursor and a tooltip over the text, and the text
// opened on a click or on Enter or Space while it has the focus, after
// which it is drawn in the visited colour.
class HyperLink {
public:
    explicit HyperLink(LinkOpener opener = ShellOpen) : opener_(opener) {}
    ~HyperLink();
    HyperLink(const HyperLink&) = delete;
    HyperLink& operator=(const HyperLink&) = delete;

    // Subclasses the control and sets the link up from its text, font and
    // style as they are now. False when the control cannot be subclassed;
    // it then stays a plain static.
    bool Attach(HWND control);

private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR data);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    void Initialize();
    void MeasureLink();
    UINT AlignmentFlag() const;
    const std::string& Text() const { return label.empty() ? target : label; }
    bool InLink(POINT point) const;
    void Paint(HDC given);
    void OpenTarget();
    void RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    LinkOpener opener_;

    std::string label;
    std::string target;
    UniqueCursor handCursor;
    HFONT linkFont = nullptr;
    HFONT normalFont = nullptr;  // not owned
    RECT linkRect = {0, 0, 0, 0};
    HWND toolTip = nullptr;
    COLORREF linkColor = RGB(0, 0, 255);
    COLORREF visitedColor = RGB(128, 0, 128);
    bool visited = false;
    bool ownsLinkFont = false;
};
