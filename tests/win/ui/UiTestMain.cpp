#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "ui/WindowModule.h"

// The module set-up the launcher does before any window: a single-threaded
// apartment (the folder browser needs it) and the common controls.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    InitializeWindowModule(GetModuleHandleA(nullptr));
    const int result = RUN_ALL_TESTS();
    TerminateWindowModule();
    CoUninitialize();
    return result;
}
