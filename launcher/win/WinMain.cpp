#include <windows.h>

#include "launcher/Launcher.h"
#include "launcher/win/WinPlatform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The full command line is read by the platform; the tail and the show
    // command are not used.
    WinPlatform platform(instance);
    return RunLauncher(platform);
}
