#include "ui/JreNotFoundDialog.h"

#include "jre/JreSearch.h"
#include "launcher/Chars.h"
#include "resource.h"
#include "ui/Geometry.h"

JreNotFoundDialog::JreNotFoundDialog(const std::string& message, Platform& platform,
                                     FolderPicker picker, LinkOpener opener)
    : platform_(platform), picker_(picker), message(message), link(opener)
{
}

int JreNotFoundDialog::ShowModal(HWND owner)
{
    return static_cast<int>(ModalDialog::ShowModal(IDD_JRE_NOT_FOUND, owner));
}

INT_PTR JreNotFoundDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        Initialize();
        // The focus is left to the system's activation handling.
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(window_, LOWORD(wParam));
            return TRUE;
        case IDC_BROWSE:
            Browse();
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

void JreNotFoundDialog::Initialize()
{
    link.Attach(GetDlgItem(window_, IDC_DOWNLOAD_LINK));
    SetDlgItemTextA(window_, IDC_MESSAGE, message.c_str());
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32513));  // IDI_ERROR
    SendDlgItemMessageA(window_, IDC_ERROR_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    EnableWindow(GetDlgItem(window_, IDOK), FALSE);
    CenterOnOwner();
}

void JreNotFoundDialog::CenterOnOwner()
{
    // A hidden or minimised owner is no place to centre on.
    HWND owner = GetWindow(window_, GW_OWNER);
    if (owner) {
        const LONG_PTR style = GetWindowLongPtrA(owner, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE))
            owner = nullptr;
    }

    RECT area = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT reference = area;
    if (owner)
        GetWindowRect(owner, &reference);

    RECT dialog = {};
    GetWindowRect(window_, &dialog);
    const ScreenPoint point =
        CenterInside({reference.left, reference.top, reference.right, reference.bottom},
                     {area.left, area.top, area.right, area.bottom}, dialog.right - dialog.left,
                     dialog.bottom - dialog.top);
    SetWindowPos(window_, nullptr, point.x, point.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void JreNotFoundDialog::Browse()
{
    std::string folder;
    if (!picker_ || !picker_(window_, folder))
        return;  // cancelled: nothing changes

    SetDlgItemTextA(window_, IDC_JRE_PATH, folder.c_str());
    jreFolder = folder;
    // A drive root already ends with its backslash. Checked by characters:
    // a double-byte name may end in a trail byte equal to a backslash.
    if (!jreFolder.empty() && !EndsWithSeparator(jreFolder, '\\'))
        jreFolder += '\\';
    jvmPath = FindJvmLibrary(platform_, jreFolder);
    EnableWindow(GetDlgItem(window_, IDOK), !jvmPath.empty());
}
