#pragma once
#include <string>

#include "launcher/StringList.h"

// Appends the items of text to list. Items are separated by blanks; an item
// that starts with a double quote runs to the next double quote. There are
// no escape characters.
void SplitParameters(const std::string& text, StringList& list);

// Fills arguments from a whole command line: trimmed of white space, split,
// and its first item (the launcher's own path) removed.
void BuildArgumentList(const std::string& commandLine, StringList& arguments);

// Index of the first item equal to text (case-sensitive), or -1.
int FindInList(const StringList& list, const std::string& text);
