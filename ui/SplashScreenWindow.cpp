#include "ui/SplashScreenWindow.h"

#include "ui/Geometry.h"

namespace {

constexpr const char* kClassName = "SplashScreenWindow";

#ifndef CS_DROPSHADOW
#define CS_DROPSHADOW 0x00020000
#endif

ATOM RegisterSplashClass(bool shadow)
{
    if (const ATOM atom = FindModuleClass(kClassName))
        return atom;

    WNDCLASSEXA windowClass = {};
    windowClass.style = CS_DBLCLKS | CS_SAVEBITS | CS_DROPSHADOW;
    windowClass.lpfnWndProc = WindowObject::WindowProcedure;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    if (!shadow)
        windowClass.style &= ~CS_DROPSHADOW;

    ATOM atom = RegisterModuleClass(windowClass);
    if (atom == 0 && shadow) {
        // Systems without drop shadows refuse the style, not the class.
        windowClass.style &= ~CS_DROPSHADOW;
        atom = RegisterModuleClass(windowClass);
    }
    return atom;
}

}  // namespace

SplashScreenWindow::~SplashScreenWindow()
{
    if (window_)
        DestroyWindow(window_);
}

HWND SplashScreenWindow::Create(const std::string& imagePath, bool shadow)
{
    // The path is used as configured: a relative one is resolved against
    // the current directory.
    bitmap.Reset(static_cast<HBITMAP>(LoadImageA(ModuleInstance(), imagePath.c_str(),
                                                 IMAGE_BITMAP, 0, 0,
                                                 LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    SIZE size;
    if (!BitmapSize(size))
        return nullptr;

    const ATOM atom = RegisterSplashClass(shadow);
    if (atom == 0)
        return nullptr;

    // The client area of a full-screen window on the primary monitor.
    const long left = CenteredStart(GetSystemMetrics(SM_CXFULLSCREEN), size.cx);
    const long top = CenteredStart(GetSystemMetrics(SM_CYFULLSCREEN), size.cy);
    return CreateWindowExA(WS_EX_TOOLWINDOW, MAKEINTATOM(atom), nullptr, WS_POPUP, left, top,
                           size.cx, size.cy, nullptr, nullptr, ModuleInstance(), this);
}

bool SplashScreenWindow::BitmapSize(SIZE& size) const
{
    BITMAP info = {};
    if (!bitmap || GetObjectA(bitmap.Get(), sizeof(info), &info) == 0)
        return false;
    size.cx = info.bmWidth;
    size.cy = info.bmHeight;
    return true;
}

LRESULT SplashScreenWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        return OnPaint();
    case WM_ERASEBKGND:
        return OnEraseBackground();
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

LRESULT SplashScreenWindow::OnPaint()
{
    PaintDc paint(window_);
    UniqueMemoryDc memory(CreateCompatibleDC(paint.Get()));
    SIZE size;
    if (memory && BitmapSize(size)) {
        SelectionGuard selection(memory.Get(), bitmap.Get());
        // The whole image every time; the system clips to the update region.
        BitBlt(paint.Get(), 0, 0, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
    }
    return 0;
}

LRESULT SplashScreenWindow::OnEraseBackground()
{
    // The bitmap covers the whole window; erasing first would only flicker.
    return 1;
}
