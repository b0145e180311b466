#include "launcher/Launcher.h"
#include "launcher/posix/PosixPlatform.h"

int main(int argc, char** argv)
{
    PosixPlatform platform(argc, argv, PosixPlatform::DefaultJvmRoot());
    return RunLauncher(platform);
}
