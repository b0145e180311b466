#include "ui/HyperLink.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <vector>

#include "ui/HandCursorShape.h"
#include "ui/LinkColors.h"
#include "ui/WindowModule.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kToolId = 1;

HCURSOR CreateHandCursor()
{
    const CursorMasks masks = HandCursorMasks();
    return CreateCursor(ModuleInstance(), kHandHotSpotX, kHandHotSpotY, kHandCursorSize,
                        kHandCursorSize, masks.andMask.data(), masks.xorMask.data());
}

}  // namespace

bool ShellOpen(const std::string& target)
{
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

HyperLink::~HyperLink()
{
    if (window_)
        RemoveWindowSubclass(window_, SubclassProcedure, kSubclassId);
    if (ownsLinkFont && linkFont)
        DeleteObject(linkFont);
}

bool HyperLink::Attach(HWND control)
{
    if (!SetWindowSubclass(control, SubclassProcedure, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window_ = control;
    Initialize();
    return true;
}

void HyperLink::Initialize()
{
    // Clicks reach a static only with SS_NOTIFY; the window is neither
    // moved nor redrawn for it.
    SetWindowLongPtrA(window_, GWL_STYLE, GetWindowLongPtrA(window_, GWL_STYLE) | SS_NOTIFY);

    handCursor.Reset(CreateHandCursor());

    normalFont = reinterpret_cast<HFONT>(SendMessageA(GetParent(window_), WM_GETFONT, 0, 0));
    if (!normalFont)
        normalFont = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    LOGFONTA font = {};
    if (GetObjectA(normalFont, sizeof(font), &font) != 0) {
        font.lfUnderline = 1;
        linkFont = CreateFontIndirectA(&font);
        ownsLinkFont = linkFont != nullptr;
    }

    // A child of the link, so it goes away with the dialog's windows.
    toolTip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, ModuleInstance(),
                              nullptr);

    const int length = GetWindowTextLengthA(window_);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window_, text.data(), length + 1);
    label = text.data();

    MeasureLink();

    target = label;
    if (toolTip) {
        SendMessageA(toolTip, TTM_ACTIVATE, TRUE, 0);
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = 0;
        tool.hwnd = window_;
        tool.uId = kToolId;
        tool.rect = linkRect;
        tool.hinst = ModuleInstance();
        tool.lpszText = const_cast<char*>(target.c_str());
        SendMessageA(toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }

    ReadLinkColors(linkColor, visitedColor);
}

UINT HyperLink::AlignmentFlag() const
{
    const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
    // SS_CENTER and SS_RIGHT are values of the style's type field.
    const LONG_PTR type = style & SS_TYPEMASK;
    if (type == SS_CENTER)
        return DT_CENTER;
    if (type == SS_RIGHT)
        return DT_RIGHT;
    return 0;
}

void HyperLink::MeasureLink()
{
    WindowDc dc(window_);
    RECT client = {};
    GetClientRect(window_, &client);
    linkRect = client;
    if (!dc)
        return;
    const UINT alignment = AlignmentFlag();
    {
        SelectionGuard font(dc.Get(), linkFont);
        DrawTextA(dc.Get(), Text().c_str(), -1, &linkRect, DT_CALCRECT | DT_WORDBREAK | alignment);
    }
    // DT_CALCRECT keeps the left edge; an aligned text sits further right.
    LONG shift = 0;
    if (alignment == DT_CENTER)
        shift = (client.right - linkRect.right) / 2;
    else if (alignment == DT_RIGHT)
        shift = client.right - linkRect.right;
    OffsetRect(&linkRect, shift, 0);
}

bool HyperLink::InLink(POINT point) const
{
    return PtInRect(&linkRect, point) != FALSE;
}

void HyperLink::Paint(HDC given)
{
    PAINTSTRUCT paint = {};
    HDC dc = given ? given : BeginPaint(window_, &paint);

    RECT client = {};
    GetClientRect(window_, &client);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        GetParent(window_), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
        reinterpret_cast<LPARAM>(window_)));
    if (brush)
        FillRect(dc, &client, brush);

    SetBkMode(dc, TRANSPARENT);
    COLORREF color = visited ? visitedColor : linkColor;
    if (!IsWindowEnabled(window_))
        color = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF previousColor = SetTextColor(dc, color);
    {
        SelectionGuard font(dc, linkFont ? linkFont : normalFont);
        RECT rect = linkRect;
        DrawTextA(dc, Text().c_str(), -1, &rect, DT_WORDBREAK | AlignmentFlag());
        if (GetFocus() == window_)
            DrawFocusRect(dc, &linkRect);
    }
    SetTextColor(dc, previousColor);

    if (!given)
        EndPaint(window_, &paint);
}

void HyperLink::OpenTarget()
{
    if (!opener_ || !opener_(target))
        return;
    visited = true;
    InvalidateRect(window_, nullptr, TRUE);
}

void HyperLink::RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG relayed = {};
    relayed.hwnd = window_;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    SendMessageA(toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

LRESULT HyperLink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSEWHEEL && toolTip)
        RelayToToolTip(message, wParam, lParam);

    handled = true;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the background is filled while painting
    case WM_PAINT:
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window_, nullptr, TRUE);  // shows or hides the focus rectangle
        return 0;
    case WM_MOUSEMOVE: {
        const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (!target.empty() && InLink(point)) {
            SetCursor(handCursor.Get());
            return 0;
        }
        break;
    }
    case WM_LBUTTONDOWN: {
        const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (InLink(point)) {
            SetFocus(window_);
            SetCapture(window_);
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (GetCapture() == window_) {
            ReleaseCapture();
            if (InLink(point))
                OpenTarget();
        }
        return 0;
    }
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == VK_SPACE)
            OpenTarget();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
    case WM_SETCURSOR: {
        POINT point = {};
        GetCursorPos(&point);
        ScreenToClient(window_, &point);
        if (!target.empty() && InLink(point))
            return 1;  // keeps the hand cursor that WM_MOUSEMOVE set
        break;
    }
    case WM_ENABLE:
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(normalFont);
    case WM_SETFONT:
        normalFont = reinterpret_cast<HFONT>(wParam);
        if (lParam) {
            InvalidateRect(window_, nullptr, TRUE);
            UpdateWindow(window_);
        }
        return 0;
    case WM_UPDATEUISTATE:
        return 0;
    default:
        break;
    }
    handled = false;
    return 0;
}

LRESULT CALLBACK HyperLink::SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    auto* link = reinterpret_cast<HyperLink*>(data);
    if (message == WM_NCDESTROY) {
        // The window goes; the object stays for the dialog's results.
        RemoveWindowSubclass(window, SubclassProcedure, id);
        link->window_ = nullptr;
        link->toolTip = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    bool handled = false;
    const LRESULT result = link->HandleMessage(message, wParam, lParam, handled);
    return handled ? result : DefSubclassProc(window, message, wParam, lParam);
}
