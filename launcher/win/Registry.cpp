#include "launcher/win/Registry.h"

#include <vector>

UniqueRegKey OpenRegistryKey(HKEY root, const std::string& path)
{
    UniqueRegKey key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS)
        key.Release();  // the system leaves the handle undefined on failure
    return key;
}

StringList ListSubkeys(HKEY key)
{
    StringList names;
    if (!key)
        return names;
    for (DWORD index = 0;; ++index) {
        char name[260];
        DWORD length = sizeof(name);
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

bool ReadRegistryString(HKEY key, const std::string& name, std::string& text)
{
    if (!key)
        return false;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size == 0)
        return false;
    std::vector<char> data(size);
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        return false;
    // Never past the size returned, whether or not the data ends in a NUL.
    std::string::size_type length = 0;
    while (length < size && length < data.size() && data[length] != '\0')
        ++length;
    text.assign(data.data(), length);
    return true;
}
