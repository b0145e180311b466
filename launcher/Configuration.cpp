#include "launcher/Configuration.h"

#include <vector>

#include "launcher/Chars.h"
#include "launcher/CommandLine.h"
#include "launcher/ErrorReport.h"
#include "launcher/Launcher.h"
#include "launcher/Messages.h"

bool GetModulePath(Launcher& launcher, std::string& path)
{
    long error = 0;
    if (!launcher.platform.ModulePath(path, error)) {
        ReportErrorCode(launcher.platform, launcher.messageOwner, Messages::kWindowsException,
                        Messages::kNoModulePath, error);
        return false;
    }
    return true;
}

bool GetIniPath(Launcher& launcher, std::string& path)
{
    std::string modulePath;
    if (!GetModulePath(launcher, modulePath))
        return false;
    return launcher.platform.ConfigurationPath(modulePath, path);
}

std::string ReadIniString(Platform& platform, const std::string& iniPath,
                          const std::string& section, const std::string& key)
{
    // The profile API only says that a value may have been cut when it
    // fills the buffer: grow until it does not.
    std::size_t size = 256;
    for (;;) {
        std::vector<char> buffer(size, '\0');
        const std::size_t length =
            platform.ReadProfileString(section, key, buffer.data(), size, iniPath);
        if (length != size - 1)
            return std::string(buffer.data(), length < size ? length : size - 1);
        size *= 2;
    }
}

bool OpenSplashScreen(Launcher& launcher)
{
    std::string iniPath;
    if (!GetIniPath(launcher, iniPath))
        return false;
    Platform& platform = launcher.platform;
    const std::string image = ReadIniString(platform, iniPath, Ini::kDisplay, Ini::kSplashScreen);
    const std::string shadow =
        ReadIniString(platform, iniPath, Ini::kDisplay, Ini::kSplashScreenShadow);
    if (!image.empty()) {
        launcher.splash = platform.OpenSplash(image, shadow == "true");
        launcher.messageOwner = launcher.splash ? launcher.splash->Window() : nullptr;
    }
    return true;
}

bool ReadConfiguration(Launcher& launcher)
{
    std::string iniPath;
    if (!GetIniPath(launcher, iniPath))
        return false;
    Platform& platform = launcher.platform;

    const std::string classPath =
        ReadIniString(platform, iniPath, Ini::kClassPathSection, Ini::kClassPath);
    if (classPath.empty()) {
        ReportError(platform, Messages::kNoClassPath, launcher.messageOwner);
        return false;
    }
    launcher.vmOptions.push_back("-Djava.class.path=" + classPath);
    SplitParameters(ReadIniString(platform, iniPath, Ini::kJre, Ini::kVmParameters),
                    launcher.vmOptions);

    launcher.mainClass = ReadIniString(platform, iniPath, Ini::kJre, Ini::kMainClass);
    if (launcher.mainClass.empty()) {
        ReportError(platform, Messages::kNoMainClass, launcher.messageOwner);
        return false;
    }
    launcher.mainClass = ReplaceChar(launcher.mainClass, '.', '/');

    launcher.minVersion =
        BoundFromText(ReadIniString(platform, iniPath, Ini::kJre, Ini::kMinimumVersion), false);
    launcher.maxVersion =
        BoundFromText(ReadIniString(platform, iniPath, Ini::kJre, Ini::kMaximumVersion), true);
    SplitAtSeparator(launcher.preferredVersions,
                     ReadIniString(platform, iniPath, Ini::kJre, Ini::kPreferredVersions), ";");
    launcher.jrePath = ReadIniString(platform, iniPath, Ini::kJre, Ini::kJrePath);
    return true;
}

void SplitAtSeparator(StringList& list, const std::string& text, const std::string& separator)
{
    list.clear();
    std::string::size_type start = 0;
    if (!separator.empty()) {
        for (std::string::size_type found = text.find(separator, start);
             found != std::string::npos; found = text.find(separator, start)) {
            list.push_back(text.substr(start, found - start));
            start = found + separator.size();
        }
    }
    list.push_back(text.substr(start));
}

void WriteJrePath(Launcher& launcher, const std::string& folder)
{
    std::string iniPath;
    if (!GetIniPath(launcher, iniPath))
        return;
    launcher.platform.WriteProfileString(Ini::kJre, Ini::kJrePath, folder, iniPath);
}
