#include "launcher/Launcher.h"

#include "jre/JreSearch.h"
#include "jvm/VmHost.h"
#include "launcher/Chars.h"
#include "launcher/CommandLine.h"
#include "launcher/Configuration.h"
#include "launcher/ErrorReport.h"
#include "launcher/Messages.h"

Launcher::Launcher(Platform& platform) : platform(platform) {}

Launcher::~Launcher()
{
    CloseSplash(*this);
    DestroyVm(*this);
}

void CloseSplash(Launcher& launcher)
{
    launcher.splash.reset();
}

bool Launcher::Prepare()
{
    arguments = platform.ProgramArguments();

    const bool noSplash = FindInList(arguments, "-nosplash") >= 0 ||
                          FindInList(arguments, "/nosplash") >= 0;
    if (!noSplash && !OpenSplashScreen(*this))
        return false;

    if (!ReadConfiguration(*this))
        return false;

    if (LookUpJre())
        return true;
    return AskForJre();
}

// Tries the configured folder, the JRE beside the launcher and the installed
// JREs, in this order; the first VM library found ends the lookup.
bool Launcher::LookUpJre()
{
    const char separator = platform.PathSeparator();

    if (!jrePath.empty()) {
        std::string folder = jrePath;
        if (!EndsWithSeparator(folder, separator))
            folder += separator;
        jvmPath = FindJvmLibrary(platform, folder);
        if (!jvmPath.empty())
            return true;
    }

    // Without a JRE beside the launcher this source yields nothing: probing
    // an empty home would load a library from the current directory.
    std::string localHome;
    if (FindLocalJre(*this, localHome) && !localHome.empty()) {
        jvmPath = FindJvmLibrary(platform, localHome);
        if (!jvmPath.empty())
            return true;
    }

    std::string registryHome;
    if (FindRegistryJre(*this, registryHome, jreVersion)) {
        jvmPath = FindJvmLibrary(platform, registryHome);
        if (!jvmPath.empty())
            return true;
    }
    return false;
}

// The JRE-not-found dialog; a folder chosen there is used and remembered.
bool Launcher::AskForJre()
{
    const std::string message = FormatMessageText(
        Messages::kJreNotFound, {VersionRequirementText(minVersion, maxVersion)});
    const JreDialogResult result = platform.ShowJreNotFound(message);
    if (result.endCode != 1)
        return false;
    jvmPath = result.jvmPath;
    WriteJrePath(*this, result.jreFolder);
    return true;
}

int Launcher::Run()
{
    if (!LoadVmLibrary(*this))
        return -1;
    if (!CreateVm(*this))
        return -1;
    return InvokeMainClass(*this) ? 0 : -1;
}

int RunLauncher(Platform& platform)
{
    int exitCode = -1;
    {
        Launcher launcher(platform);
        if (platform.InitializeModule() && launcher.Prepare())
            exitCode = launcher.Run();
    }
    platform.TerminateModule();
    return exitCode;
}
