#include "launcher/Platform.h"

#include "launcher/Chars.h"

bool Platform::ConfigurationPath(const std::string& modulePath, std::string& iniPath)
{
    // The last '.' of the whole path, not only of the file name.
    const std::string::size_type dot = FindLastChar(modulePath, '.');
    if (dot == std::string::npos)
        return false;
    iniPath = modulePath.substr(0, dot + 1) + "ini";
    return true;
}
