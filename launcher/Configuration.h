#pragma once
#include <string>

#include "launcher/StringList.h"

class Launcher;
class Platform;

// The configuration file beside the executable.
namespace Ini {
constexpr const char* kDisplay = "Display";
constexpr const char* kSplashScreen = "Splash Screen";
constexpr const char* kSplashScreenShadow = "Splash Screen Shadow";
constexpr const char* kClassPathSection = "Class Path";
constexpr const char* kClassPath = "Class Path";
constexpr const char* kJre = "Java Runtime Environment";
constexpr const char* kVmParameters = "Virtual Machine Parameters";
constexpr const char* kMainClass = "Main Class";
constexpr const char* kMinimumVersion = "Minimum Version";
constexpr const char* kMaximumVersion = "Maximum Version";
constexpr const char* kPreferredVersions = "Preferred versions";
constexpr const char* kJrePath = "JRE Path";
}  // namespace Ini

// The executable's full path; shows "failed to get the module path" when
// the system gives none.
bool GetModulePath(Launcher& launcher, std::string& path);

// The configuration file's path: the executable's path up to its last '.',
// then "ini". False when it cannot be formed.
bool GetIniPath(Launcher& launcher, std::string& path);

// One value; a missing key or file reads as empty. No length limit.
std::string ReadIniString(Platform& platform, const std::string& iniPath,
                          const std::string& section, const std::string& key);

// Reads the splash keys and shows the splash. False only when the
// configuration file's path cannot be formed.
bool OpenSplashScreen(Launcher& launcher);

// Fills the VM options, main class, version range, preferred versions and
// the configured JRE folder. False after showing a message.
bool ReadConfiguration(Launcher& launcher);

// Replaces the list's contents with the pieces of text between separators.
void SplitAtSeparator(StringList& list, const std::string& text, const std::string& separator);

// Stores the folder the user chose as "JRE Path". Nothing is written when
// the configuration file's path cannot be formed.
void WriteJrePath(Launcher& launcher, const std::string& folder);
