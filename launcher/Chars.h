#pragma once
#include <string>

// Character stepping in the system ANSI code page. Every scan over a narrow
// string goes through these, so that the second byte of a double-byte
// character (which may be 0x5C, a backslash, or 0x20..0x7E) is never taken
// for a separator. Each platform provides its own definitions.

// The character after the one at p; p itself when p is at the terminating NUL.
const char* NextChar(const char* p);

// True when the character at p is white space for the thread locale.
bool IsSpaceChar(const char* p);

// Character-aware helpers built on NextChar.

// Byte offset of the last character equal to c (an ASCII byte), or npos.
std::string::size_type FindLastChar(const std::string& text, char c);

// Byte offset of the first character equal to c at or after from, or npos.
std::string::size_type FindChar(const std::string& text, char c, std::string::size_type from = 0);

// True when the last character of text is separator (not the trail byte
// of a double-byte character).
bool EndsWithSeparator(const std::string& text, char separator);

// Every character equal to from replaced by to.
std::string ReplaceChar(std::string text, char from, char to);
