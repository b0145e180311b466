#include "jre/JreSearch.h"

#include <algorithm>

#include "launcher/Chars.h"
#include "launcher/Configuration.h"
#include "launcher/Launcher.h"
#include "launcher/Platform.h"

std::string FindJvmLibrary(Platform& platform, const std::string& home)
{
    for (const std::string& location : platform.VmLibraryLocations()) {
        const std::string path = home + location;
        if (platform.FileExists(path))
            return path;
    }
    return std::string();
}

bool HasJavaDll(Platform& platform, const std::string& folder)
{
    return platform.FileExists(folder + platform.RuntimeLibraryMarker());
}

bool FindLocalJre(Launcher& launcher, std::string& home)
{
    std::string modulePath;
    if (!GetModulePath(launcher, modulePath))
        return false;
    Platform& platform = launcher.platform;
    const char separator = platform.PathSeparator();
    const std::string::size_type last = FindLastChar(modulePath, separator);
    const std::string folder =
        last == std::string::npos ? std::string() : modulePath.substr(0, last + 1);

    home.clear();
    if (!folder.empty()) {
        const std::string jreFolder = folder + "jre" + separator;
        if (HasJavaDll(platform, folder))
            home = folder;
        else if (HasJavaDll(platform, jreFolder))
            home = jreFolder;
    }
    return true;
}

bool ReadJavaHome(Platform& platform, const std::string& name, std::string& home)
{
    std::string value;
    if (!platform.InstalledJreHome(name, value))
        return false;
    // An empty home would make the probe look in the current drive's root
    // or the current directory: it is no JRE.
    if (value.empty())
        return false;
    if (!EndsWithSeparator(value, platform.PathSeparator()))
        value += platform.PathSeparator();
    if (FindJvmLibrary(platform, value).empty())
        return false;
    home = value;
    return true;
}

void SortCandidates(CandidateList& candidates)
{
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const JreCandidate& a, const JreCandidate& b) {
                         return Compare(a.version, b.version) > 0;
                     });
}

bool ChooseJre(const Launcher& launcher, CandidateList& candidates, JavaVersion& version,
               std::string& home)
{
    if (candidates.empty())
        return false;
    SortCandidates(candidates);
    for (const std::string& preferred : launcher.preferredVersions) {
        JavaVersion pattern;
        pattern.Parse(preferred, 0);
        for (const JreCandidate& candidate : candidates) {
            if (Matches(candidate.version, pattern)) {
                version = candidate.version;
                home = candidate.home;
                return true;
            }
        }
    }
    version = candidates.front().version;
    home = candidates.front().home;
    return true;
}

bool FindRegistryJre(Launcher& launcher, std::string& home, JavaVersion& version)
{
    Platform& platform = launcher.platform;
    CandidateList candidates;
    for (const std::string& name : platform.InstalledJreNames()) {
        JreCandidate candidate;
        candidate.version.Parse(name, 0);
        if (Compare(candidate.version, launcher.maxVersion) > 0 && !IsUnbounded(launcher.maxVersion))
            continue;
        if (Compare(candidate.version, launcher.minVersion) < 0)
            continue;
        if (!ReadJavaHome(platform, name, candidate.home))
            continue;
        candidates.push_back(candidate);
    }
    return ChooseJre(launcher, candidates, version, home);
}
