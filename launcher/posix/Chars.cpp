#include "launcher/Chars.h"

// The POSIX build works on UTF-8 or single-byte text: no byte of a
// multi-byte UTF-8 sequence is below 0x80, so byte steps never split a
// separator out of a character.
const char* NextChar(const char* p)
{
    return *p ? p + 1 : p;
}

bool IsSpaceChar(const char* p)
{
    switch (*p) {
    case ' ': case '\t': case '\n': case '\v': case '\f': case '\r':
        return true;
    default:
        return false;
    }
}
