#include "launcher/win/WinPlatform.h"

#include "ui/JreNotFoundDialog.h"
#include "ui/SplashScreenWindow.h"
#include "ui/WindowModule.h"

// The window half of the platform: the splash window and the JRE-not-found
// dialog from ui/.

namespace {

class WinSplash : public Splash {
public:
    explicit WinSplash(std::unique_ptr<SplashScreenWindow> window) : window_(std::move(window)) {}
    // Destroying the splash object destroys the window and then the bitmap.
    ~WinSplash() override = default;

    WindowHandle Window() const override { return window_->Handle(); }

private:
    std::unique_ptr<SplashScreenWindow> window_;
};

}  // namespace

HRESULT WinPlatform::InitializeWindowModule()
{
    ::InitializeWindowModule(instance_);
    return S_OK;
}

void WinPlatform::TerminateWindowModule()
{
    ::TerminateWindowModule();
}

std::unique_ptr<Splash> WinPlatform::OpenSplash(const std::string& imagePath, bool shadow)
{
    auto window = std::make_unique<SplashScreenWindow>();
    const HWND handle = window->Create(imagePath, shadow);
    // Painted at once: the launcher runs no message loop of its own.
    ShowWindow(handle, SW_SHOWNORMAL);
    UpdateWindow(handle);
    return std::make_unique<WinSplash>(std::move(window));
}

JreDialogResult WinPlatform::ShowJreNotFound(const std::string& message)
{
    JreNotFoundDialog dialog(message, *this);
    JreDialogResult result;
    result.endCode = dialog.ShowModal(GetActiveWindow());
    result.jreFolder = dialog.GetJreFolder();
    result.jvmPath = dialog.GetJvmPath();
    return result;
}
