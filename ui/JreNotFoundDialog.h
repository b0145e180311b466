#pragma once
#include <windows.h>

#include <string>

#include "ui/FolderPicker.h"
#include "ui/HyperLink.h"
#include "ui/ModalDialog.h"

class Platform;

// The dialog shown when no JRE fits: it names the required version, links
// to the download page, and lets the user browse for a JRE folder. OK is
// enabled exactly while the folder chosen last holds a VM library. It
// stores nothing; the caller keeps the folder.
class JreNotFoundDialog : public ModalDialog {
public:
    JreNotFoundDialog(const std::string& message, Platform& platform,
                      FolderPicker picker = BrowseForJreFolder, LinkOpener opener = ShellOpen);

    // 1 for OK, 2 for Cancel (also Escape and the close box), -1 when the
    // dialog could not be made.
    int ShowModal(HWND owner);

    // The folder chosen last, with a trailing backslash, and the VM library
    // under it; meaningful after OK.
    const std::string& GetJreFolder() const { return jreFolder; }
    const std::string& GetJvmPath() const { return jvmPath; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Initialize();
    void CenterOnOwner();
    void Browse();

    Platform& platform_;
    FolderPicker picker_;

    std::string jreFolder;
    std::string jvmPath;
    std::string message;
    HyperLink link;
};
