#include "launcher/Chars.h"

std::string::size_type FindChar(const std::string& text, char c, std::string::size_type from)
{
    const char* begin = text.c_str();
    const char* end = begin + text.size();
    for (const char* p = begin; p < end; p = NextChar(p)) {
        if (static_cast<std::string::size_type>(p - begin) >= from && *p == c)
            return static_cast<std::string::size_type>(p - begin);
    }
    return std::string::npos;
}

std::string::size_type FindLastChar(const std::string& text, char c)
{
    std::string::size_type found = std::string::npos;
    const char* begin = text.c_str();
    const char* end = begin + text.size();
    for (const char* p = begin; p < end; p = NextChar(p)) {
        if (*p == c)
            found = static_cast<std::string::size_type>(p - begin);
    }
    return found;
}

bool EndsWithSeparator(const std::string& text, char separator)
{
    return !text.empty() && FindLastChar(text, separator) == text.size() - 1;
}

std::string ReplaceChar(std::string text, char from, char to)
{
    char* begin = &text[0];
    char* end = begin + text.size();
    for (char* p = begin; p < end; p = const_cast<char*>(NextChar(p))) {
        if (*p == from)
            *p = to;
    }
    return text;
}
