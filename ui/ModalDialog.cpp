#include "ui/ModalDialog.h"

#include "ui/WindowModule.h"

INT_PTR ModalDialog::ShowModal(int templateId, HWND owner)
{
    const INT_PTR result = DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(templateId), owner,
                                           DialogProcedure, reinterpret_cast<LPARAM>(this));
    // DialogBoxParamA reports a bad owner as 0; either way no dialog ran.
    return result <= 0 ? -1 : result;
}

INT_PTR CALLBACK ModalDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam)
{
    ModalDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<ModalDialog*>(lParam);
        dialog->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    } else {
        dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!dialog)
        return FALSE;

    const INT_PTR result = dialog->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        dialog->window_ = nullptr;
    }
    return result;
}
