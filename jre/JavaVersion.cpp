#include "jre/JavaVersion.h"

#include <climits>

#include "launcher/Chars.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The next digit at or after p, stepping by characters; null when none.
const char* FindDigit(const char* p)
{
    for (; *p; p = NextChar(p)) {
        if (IsDigit(*p))
            return p;
    }
    return nullptr;
}

}  // namespace

bool JavaVersion::Parse(const std::string& text, int32_t fill)
{
    *this = JavaVersion();
    const char* p = FindDigit(text.c_str());
    if (!p)
        return false;

    int runs = 0;
    for (;;) {
        // A run too large for a signed 32-bit component saturates.
        int64_t value = 0;
        for (; IsDigit(*p); ++p) {
            value = value * 10 + (*p - '0');
            if (value > INT32_MAX)
                value = INT32_MAX;
        }
        components[runs++] = static_cast<int32_t>(value);
        p = FindDigit(p);
        if (!p || runs == 4)
            break;
    }
    count = runs;
    for (int i = runs; i < 4; ++i)
        components[i] = fill;
    return true;
}

JavaVersion BoundFromText(const std::string& text, bool isMaximum)
{
    JavaVersion bound;
    if (text == "any") {
        for (int32_t& c : bound.components)
            c = isMaximum ? JavaVersion::kUnboundedMax : 0;
        bound.count = 4;
        return bound;
    }
    bound.Parse(text, isMaximum ? JavaVersion::kUnboundedMax : 0);
    return bound;
}

std::string Format(const JavaVersion& version)
{
    int last = -1;
    for (int i = 3; i >= 0; --i) {
        const int32_t c = version.components[i];
        if (c != 0 && c != JavaVersion::kUnboundedMax) {
            last = i;
            break;
        }
    }
    if (last < 0)
        return "0.0.0.0";
    std::string text;
    for (int i = 0; i <= last; ++i) {
        if (i > 0)
            text += '.';
        text += std::to_string(version.components[i]);
    }
    return text;
}

bool Equals(const JavaVersion& a, const JavaVersion& b)
{
    return Compare(a, b) == 0;
}

int Compare(const JavaVersion& a, const JavaVersion& b)
{
    for (int i = 0; i < 4; ++i) {
        if (a.components[i] < b.components[i])
            return -1;
        if (a.components[i] > b.components[i])
            return 1;
    }
    return 0;
}

bool Matches(const JavaVersion& candidate, const JavaVersion& pattern)
{
    if (Equals(candidate, pattern))
        return true;
    if (pattern.count == 0 || pattern.count > candidate.count)
        return false;
    for (int i = 0; i < pattern.count; ++i) {
        if (candidate.components[i] != pattern.components[i])
            return false;
    }
    return true;
}

bool IsUnbounded(const JavaVersion& version)
{
    bool allZero = true;
    bool allMax = true;
    for (int32_t c : version.components) {
        allZero = allZero && c == 0;
        allMax = allMax && c == JavaVersion::kUnboundedMax;
    }
    return allZero || allMax;
}

std::string VersionRequirementText(const JavaVersion& minimum, const JavaVersion& maximum)
{
    const bool noMinimum = IsUnbounded(minimum);
    const bool noMaximum = IsUnbounded(maximum);
    if (noMinimum && noMaximum)
        return "latest version";
    if (noMinimum)
        return "maximum version " + Format(maximum);
    if (noMaximum)
        return "minimum version " + Format(minimum);
    if (Equals(minimum, maximum))
        return "version " + Format(minimum) + " is required";
    return "version between " + Format(minimum) + " and " + Format(maximum);
}
