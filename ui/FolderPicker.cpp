#include "ui/FolderPicker.h"

#include <shlobj.h>

bool BrowseForJreFolder(HWND owner, std::string& folder)
{
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = nullptr;
    browse.lpszTitle = "Browse for JRE folder";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&browse);
    if (!item)
        return false;

    char path[MAX_PATH] = {};
    // The browser offers file-system folders only; a failed conversion
    // leaves the path empty.
    SHGetPathFromIDListA(item, path);
    CoTaskMemFree(item);
    folder = path;
    return true;
}
