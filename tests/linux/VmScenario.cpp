// Runs one launch against a real VM library through the POSIX platform:
// LoadVmLibrary, CreateVm, InvokeMainClass, then DestroyVm in the
// launcher's teardown. A process can create a VM only once, so each
// scenario is a process of its own.
//
//   vm_scenario <VM library> <main class> [VM option...] -- [argument...]
//
// The exit code is the launch's: 0, or -1 when a step failed.
#include <cstring>

#include "launcher/Launcher.h"
#include "launcher/posix/PosixPlatform.h"

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    PosixPlatform platform(0, nullptr, "/nonexistent");
    int exitCode = -1;
    {
        Launcher launcher(platform);
        launcher.jvmPath = argv[1];
        launcher.mainClass = argv[2];
        int i = 3;
        for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
            launcher.vmOptions.push_back(argv[i]);
        for (++i; i < argc; ++i)
            launcher.arguments.push_back(argv[i]);
        exitCode = launcher.Run();
    }
    return exitCode;
}
