#pragma once
#include <windows.h>

// The window framework's module object: the instance that windows, classes
// and dialog templates belong to, and the classes registered for it, which
// are unregistered when the module ends.

void InitializeWindowModule(HINSTANCE instance);
void TerminateWindowModule();

// The module's instance; the executable's when none was set.
HINSTANCE ModuleInstance();

// Registers a class for the module (hInstance and cbSize are filled in) and
// remembers its atom; 0 on failure.
ATOM RegisterModuleClass(WNDCLASSEXA windowClass);

// The atom of a class this module registered, or 0.
ATOM FindModuleClass(const char* name);

// Window objects: the object pointer travels in the creation parameter and
// is kept in the window's user data from WM_NCCREATE on, so the common
// window procedure can hand every message to its object.
class WindowObject {
public:
    virtual ~WindowObject() = default;
    HWND Handle() const { return window_; }

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

protected:
    // Handles a message; unhandled ones go to DefWindowProcA.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcA(window_, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};
