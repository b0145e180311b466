#pragma once
#include <windows.h>

#include <string>

// Asks the user for a folder: true with its file-system path, false when
// the user cancelled. The shell's folder browser in the launcher; tests put
// their own in its place.
using FolderPicker = bool (*)(HWND owner, std::string& folder);

// The shell folder browser, file-system folders only, titled
// "Browse for JRE folder".
bool BrowseForJreFolder(HWND owner, std::string& folder);
