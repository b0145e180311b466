#pragma once
#include <string>

// The text of an INI file as the launcher reads and writes it, with the
// rules the Windows profile functions follow: section and key names match
// without regard to ASCII case, the first match wins, blanks around names
// and values are dropped, a value in matching quotes loses them, and lines
// that start with ';' are comments. Pure text in, text out: the file
// handling is the platform's.
namespace IniText {

// The value of key in section; false when the section or the key is absent.
bool FindValue(const std::string& text, const std::string& section, const std::string& key,
               std::string& value);

// The text with key in section set to value. Only the line of that key
// changes; a missing key is added at the end of its section, a missing
// section at the end of the text. Every other line stays byte for byte.
// False (result untouched) when the value cannot be stored on one line.
bool SetValue(const std::string& text, const std::string& section, const std::string& key,
              const std::string& value, std::string& result);

}  // namespace IniText
