#include "ui/WindowModule.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

struct RegisteredClass {
    std::string name;
    ATOM atom;
};

HINSTANCE moduleInstance = nullptr;
std::vector<RegisteredClass> registeredClasses;

}  // namespace

void InitializeWindowModule(HINSTANCE instance)
{
    moduleInstance = instance;
}

void TerminateWindowModule()
{
    for (const RegisteredClass& registered : registeredClasses)
        UnregisterClassA(MAKEINTATOM(registered.atom), ModuleInstance());
    registeredClasses.clear();
    moduleInstance = nullptr;
}

HINSTANCE ModuleInstance()
{
    return moduleInstance ? moduleInstance : GetModuleHandleA(nullptr);
}

ATOM RegisterModuleClass(WNDCLASSEXA windowClass)
{
    windowClass.cbSize = sizeof(windowClass);
    windowClass.hInstance = ModuleInstance();
    const ATOM atom = RegisterClassExA(&windowClass);
    if (atom != 0)
        registeredClasses.push_back({windowClass.lpszClassName, atom});
    return atom;
}

ATOM FindModuleClass(const char* name)
{
    for (const RegisteredClass& registered : registeredClasses)
        if (registered.name == name)
            return registered.atom;
    return 0;
}

LRESULT CALLBACK WindowObject::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam)
{
    WindowObject* object = nullptr;
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        object = static_cast<WindowObject*>(create->lpCreateParams);
        if (object) {
            object->window_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        }
    } else {
        object = reinterpret_cast<WindowObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!object)
        return DefWindowProcA(window, message, wParam, lParam);

    const LRESULT result = object->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The object outlives its window; it must not be reached through
        // a handle that may be reused.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        object->window_ = nullptr;
    }
    return result;
}
