#pragma once
#include <string>
#include <vector>

// An ordered list of narrow strings (system ANSI code page): the program
// arguments, the VM options and the preferred versions of a run.
using StringList = std::vector<std::string>;
