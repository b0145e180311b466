#pragma once
#include <windows.h>

// A modal dialog from a template in the module's resources, whose messages
// go to an object. The object pointer is the dialog's creation parameter
// and is kept in DWLP_USER from WM_INITDIALOG on.
class ModalDialog {
public:
    virtual ~ModalDialog() = default;

    // Runs the dialog to its end: the code EndDialog was given, or -1 when
    // the dialog could not be made.
    INT_PTR ShowModal(int templateId, HWND owner);

    HWND Handle() const { return window_; }

protected:
    // TRUE when the message was handled; for WM_INITDIALOG the value the
    // system expects (FALSE: the handler chose the focus itself).
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND window_ = nullptr;

private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
};
