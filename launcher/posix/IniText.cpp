#include "launcher/posix/IniText.h"

#include <cstddef>
#include <vector>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

// One line of the file, its end of line excluded.
struct Line {
    std::size_t begin;  // offset of the first byte
    std::size_t end;    // offset just past the last byte before "\n"
    std::size_t next;   // offset of the following line
};

std::vector<Line> SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t newline = text.find('\n', begin);
        const std::size_t end = newline == std::string::npos ? text.size() : newline;
        const std::size_t next = newline == std::string::npos ? text.size() : newline + 1;
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}

enum class Kind { Other, Section, Entry };

struct Parsed {
    Kind kind = Kind::Other;
    std::string name;   // section or key name, trimmed
    std::string value;  // entry value, trimmed and unquoted
};

Parsed Parse(const std::string& text, const Line& line)
{
    Parsed parsed;
    const std::string content = Trim(text.substr(line.begin, line.end - line.begin));
    if (content.empty() || content[0] == ';')
        return parsed;
    if (content[0] == '[') {
        const std::size_t close = content.find(']');
        parsed.kind = Kind::Section;
        parsed.name = Trim(content.substr(1, close == std::string::npos ? std::string::npos
                                                                        : close - 1));
        return parsed;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string::npos)
        return parsed;
    parsed.kind = Kind::Entry;
    parsed.name = Trim(content.substr(0, equals));
    std::string value = Trim(content.substr(equals + 1));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
        value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    // The profile functions hand values over as C strings.
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos)
        value.resize(nul);
    parsed.value = value;
    return parsed;
}

// A value that would read back differently when written bare (blanks at
// its ends, or quotes that the reader would strip) is written in quotes.
std::string Encode(const std::string& value)
{
    const bool needsQuotes =
        !value.empty() &&
        (IsBlank(value.front()) || IsBlank(value.back()) ||
         (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
          value.back() == value[0]));
    return needsQuotes ? "\"" + value + "\"" : value;
}

}  // namespace

namespace IniText {

bool FindValue(const std::string& text, const std::string& section, const std::string& key,
               std::string& value)
{
    bool inSection = false;
    bool sectionSeen = false;
    for (const Line& line : SplitLines(text)) {
        const Parsed parsed = Parse(text, line);
        if (parsed.kind == Kind::Section) {
            // Only the first section of that name counts.
            if (sectionSeen)
                return false;
            inSection = SameName(parsed.name, section);
            sectionSeen = inSection;
        } else if (parsed.kind == Kind::Entry && inSection && SameName(parsed.name, key)) {
            value = parsed.value;
            return true;
        }
    }
    return false;
}

bool SetValue(const std::string& text, const std::string& section, const std::string& key,
              const std::string& value, std::string& result)
{
    // A line break or NUL in the value would end the line early and turn
    // the rest into lines of their own.
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return false;

    const std::vector<Line> lines = SplitLines(text);
    const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    const std::string entry = key + "=" + Encode(value);

    std::size_t sectionLine = lines.size();  // index of the section header
    std::size_t lastContent = lines.size();  // last non-blank line in the section
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Parsed parsed = Parse(text, lines[i]);
        if (parsed.kind == Kind::Section) {
            if (sectionLine != lines.size())
                break;
            if (SameName(parsed.name, section)) {
                sectionLine = i;
                lastContent = i;
            }
            continue;
        }
        if (sectionLine == lines.size())
            continue;
        if (parsed.kind == Kind::Entry && SameName(parsed.name, key)) {
            result = text.substr(0, lines[i].begin) + entry + text.substr(lines[i].end);
            // Keep a "\r" that ended the replaced line.
            if (lines[i].end > lines[i].begin && text[lines[i].end - 1] == '\r')
                result.insert(lines[i].begin + entry.size(), "\r");
            return true;
        }
        if (!Trim(text.substr(lines[i].begin, lines[i].end - lines[i].begin)).empty())
            lastContent = i;
    }

    if (sectionLine != lines.size()) {
        // After the section's last line that holds anything, so that the
        // blank lines that part it from the next section stay where they are.
        const Line& after = lines[lastContent];
        std::string insert = entry + eol;
        std::size_t at = after.next;
        if (after.next == after.end) {  // the text's last line has no line break
            insert = eol + entry;
            at = after.end;
        }
        result = text.substr(0, at) + insert + text.substr(at);
        return true;
    }

    result = text;
    if (!result.empty() && result.back() != '\n')
        result += eol;
    result += "[" + section + "]" + eol + entry + eol;
    return true;
}

}  // namespace IniText
