#include "ui/LinkColors.h"

#include "launcher/win/Handles.h"
#include "ui/ParseColor.h"

namespace {

constexpr const char* kSettingsKey = "Software\\Microsoft\\Internet Explorer\\Settings";

// One value into a 12-byte buffer: longer values do not fit and are not
// used, nor values of another type or without their terminating zero.
void ReadColor(HKEY key, const char* name, COLORREF& color)
{
    char buffer[12] = {};
    DWORD type = 0;
    DWORD size = sizeof(buffer);
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        return;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return;
    if (size == 0 || buffer[size - 1] != '\0' || buffer[0] == '\0')
        return;
    const long parsed = ParseColor(buffer);
    if (parsed != -1)
        color = static_cast<COLORREF>(parsed);
}

}  // namespace

void ReadLinkColors(COLORREF& linkColor, COLORREF& visitedColor)
{
    // Read access only: the colours are never written, and a user who may
    // not write to the key must still get them.
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS)
        return;
    ReadColor(key.Get(), "Anchor Color", linkColor);
    ReadColor(key.Get(), "Anchor Color Visited", visitedColor);
}
