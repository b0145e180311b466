#include "launcher/CommandLine.h"

#include <cstring>

#include "launcher/Chars.h"

namespace {

// The next character equal to c at or after p, stepping by characters;
// null when none.
const char* Find(const char* p, char c)
{
    for (; *p; p = NextChar(p)) {
        if (*p == c)
            return p;
    }
    return nullptr;
}

const char* SkipBlanks(const char* p)
{
    while (*p == ' ')
        p = NextChar(p);
    return p;
}

}  // namespace

void SplitParameters(const std::string& text, StringList& list)
{
    if (text.empty())
        return;
    // Works on the C string: an embedded NUL ends the text, as it would for
    // the system's own string functions.
    const char* p = text.c_str();
    for (;;) {
        if (*p == '"') {
            ++p;
            const char* close = Find(p, '"');
            if (!close) {
                list.emplace_back(p);
                return;
            }
            list.emplace_back(p, close);
            p = SkipBlanks(close + 1);
        } else {
            const char* blank = Find(p, ' ');
            if (!blank) {
                list.emplace_back(p);
                return;
            }
            list.emplace_back(p, blank);
            p = SkipBlanks(blank);
        }
        if (!*p)
            return;
    }
}

void BuildArgumentList(const std::string& commandLine, StringList& arguments)
{
    const char* begin = commandLine.c_str();
    while (*begin && IsSpaceChar(begin))
        begin = NextChar(begin);
    const char* end = begin;
    for (const char* p = begin; *p; p = NextChar(p)) {
        if (!IsSpaceChar(p))
            end = NextChar(p);
    }
    SplitParameters(std::string(begin, end), arguments);
    if (!arguments.empty())
        arguments.erase(arguments.begin());
}

int FindInList(const StringList& list, const std::string& text)
{
    for (StringList::size_type i = 0; i < list.size(); ++i) {
        if (std::strcmp(list[i].c_str(), text.c_str()) == 0)
            return static_cast<int>(i);
    }
    return -1;
}
