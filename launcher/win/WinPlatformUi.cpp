#include "launcher/win/WinPlatform.h"

// The window half of the platform. The splash window, the JRE-not-found
// dialog and the window framework live in ui/; until they are wired in, no
// splash is shown and a lookup that finds no JRE ends like a cancelled
// dialog.

HRESULT WinPlatform::InitializeWindowModule()
{
    return S_OK;
}

void WinPlatform::TerminateWindowModule() {}

std::unique_ptr<Splash> WinPlatform::OpenSplash(const std::string&, bool)
{
    return nullptr;
}

JreDialogResult WinPlatform::ShowJreNotFound(const std::string&)
{
    JreDialogResult result;
    result.endCode = IDCANCEL;
    return result;
}
