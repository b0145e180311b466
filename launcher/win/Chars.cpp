#include "launcher/Chars.h"

#include <windows.h>

const char* NextChar(const char* p)
{
    return CharNextA(p);
}

bool IsSpaceChar(const char* p)
{
    // Classified by the thread locale, which the launcher sets to the
    // system default at start-up.
    const int length = static_cast<int>(CharNextA(p) - p);
    if (length <= 0)
        return false;
    WORD types[2] = {0, 0};
    if (!GetStringTypeExA(GetThreadLocale(), CT_CTYPE1, p, length, types))
        return false;
    return (types[0] & C1_SPACE) != 0;
}
