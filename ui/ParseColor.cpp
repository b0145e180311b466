#include "ui/ParseColor.h"

#include <cstdint>
#include <string>

#include "launcher/Chars.h"

namespace {

// Leading blanks, an optional sign, then decimal digits up to the first
// non-digit; no digits give 0. Accumulates modulo 2^32 so that a long run
// of digits cannot overflow a signed type.
std::uint32_t ToNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    return negative ? 0u - value : value;
}

constexpr std::uint32_t kMinusOne = 0xFFFFFFFFu;

}  // namespace

long ParseColor(const char* text)
{
    if (text == nullptr)
        return -1;

    std::uint32_t components[3] = {0, 0, 0};
    const char* p = text;
    for (int i = 0; i < 2; ++i) {
        // Stepped by characters: a trail byte of a double-byte character
        // may equal a comma's code.
        const char* start = p;
        while (*p != '\0' && *p != ',')
            p = NextChar(p);
        if (*p != ',')
            return -1;
        components[i] = ToNumber(std::string(start, p));
        if (components[i] == kMinusOne)
            return -1;
        ++p;
    }
    if (*p == '\0')
        return -1;
    components[2] = ToNumber(p);

    return static_cast<long>((components[0] & 0xFFu) | (components[1] & 0xFFu) << 8 |
                             (components[2] & 0xFFu) << 16);
}
