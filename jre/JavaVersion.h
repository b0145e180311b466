#pragma once
#include <cstdint>
#include <string>

// A Java version number: up to four components, most significant first,
// and how many of them a text gave. All four 0, or all four 65535, stand for
// an absent bound.
struct JavaVersion {
    int32_t components[4] = {0, 0, 0, 0};
    int32_t count = 0;

    static constexpr int32_t kUnboundedMax = 65535;

    // Reads up to four runs of digits from text; whatever lies between runs
    // is skipped. Components the text did not give get fill. False (and a
    // cleared record) when the text holds no digit.
    bool Parse(const std::string& text, int32_t fill);
};

// The configured minimum (isMaximum false) or maximum from its text: "any"
// gives the open bound, anything else is parsed with fill 0 or 65535.
JavaVersion BoundFromText(const std::string& text, bool isMaximum);

// Dotted text up to the last component that is neither 0 nor 65535.
std::string Format(const JavaVersion& version);

bool Equals(const JavaVersion& a, const JavaVersion& b);

// -1, 0 or 1 as a is older than, equal to or newer than b.
int Compare(const JavaVersion& a, const JavaVersion& b);

// Prefix match of a registry version against a preferred version.
bool Matches(const JavaVersion& candidate, const JavaVersion& pattern);

bool IsUnbounded(const JavaVersion& version);

// The requirement named in the JRE-not-found message.
std::string VersionRequirementText(const JavaVersion& minimum, const JavaVersion& maximum);
