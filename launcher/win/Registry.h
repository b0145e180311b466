#pragma once
#include <windows.h>

#include <string>

#include "launcher/StringList.h"
#include "launcher/win/Handles.h"

// Read-only registry access.

// The key opened with KEY_READ, or an empty owner.
UniqueRegKey OpenRegistryKey(HKEY root, const std::string& path);

// The names of the key's subkeys in the system's order; the first
// enumeration error ends the list. No key gives no names.
StringList ListSubkeys(HKEY key);

// The value's data as narrow text up to its first NUL, whatever its type.
// False without a key, without such a value, or when it holds no data.
bool ReadRegistryString(HKEY key, const std::string& name, std::string& text);
