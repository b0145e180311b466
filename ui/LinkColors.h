#pragma once
#include <windows.h>

// The user's link colours, as the browser settings in the registry give
// them ("Anchor Color", "Anchor Color Visited" under
// HKCU\Software\Microsoft\Internet Explorer\Settings, each "R,G,B"). A
// colour that is missing or unusable leaves the value passed in.
void ReadLinkColors(COLORREF& linkColor, COLORREF& visitedColor);
