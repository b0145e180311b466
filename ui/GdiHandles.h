#pragma once
#include <windows.h>

#include <utility>

#include "launcher/win/Handles.h"

// Owners for the GDI and cursor handles the windows create. Each closes its
// handle the way the system wants it closed.

// Bitmaps and the other GDI objects are all freed with DeleteObject.
template <typename Handle>
struct GdiObjectTraits {
    static Handle Invalid() { return nullptr; }
    static void Close(Handle object) { DeleteObject(object); }
};
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC dc) { DeleteDC(dc); }
};
struct CursorTraits {
    static HCURSOR Invalid() { return nullptr; }
    static void Close(HCURSOR cursor) { DestroyCursor(cursor); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;  // from CreateCompatibleDC
using UniqueCursor = UniqueHandle<HCURSOR, CursorTraits>;  // from CreateCursor

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectionGuard {
public:
    SelectionGuard(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr)
    {
    }
    ~SelectionGuard()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
