#pragma once
#include <string>
#include <vector>

#include "jre/JavaVersion.h"

class Launcher;
class Platform;

// One installed JRE that the registry lists within the version range.
struct JreCandidate {
    JavaVersion version;
    std::string home;  // ends with a separator
};

using CandidateList = std::vector<JreCandidate>;

// The full path of the VM library under a JRE home (which ends with a
// separator), or empty when there is none.
std::string FindJvmLibrary(Platform& platform, const std::string& home);

// True when folder holds the runtime library that marks a JRE home.
bool HasJavaDll(Platform& platform, const std::string& folder);

// A JRE beside the launcher: its own folder, else its "jre" subfolder.
// Success with an empty home when neither is one; false only when the
// launcher's own path cannot be had.
bool FindLocalJre(Launcher& launcher, std::string& home);

// The home of one installed JRE, with a separator appended, when it holds
// a VM library.
bool ReadJavaHome(Platform& platform, const std::string& name, std::string& home);

// Newest first; equal versions keep their order.
void SortCandidates(CandidateList& candidates);

// The first preferred version that matches a candidate decides; without a
// match the newest candidate wins.
bool ChooseJre(const Launcher& launcher, CandidateList& candidates, JavaVersion& version,
               std::string& home);

// The installed JREs within the configured range, preferred versions first.
bool FindRegistryJre(Launcher& launcher, std::string& home, JavaVersion& version);
