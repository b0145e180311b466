#pragma once
#include <windows.h>

#include <string>

#include "ui/GdiHandles.h"
#include "ui/WindowModule.h"

// The borderless window that shows the splash bitmap centred on the screen
// until the launcher is torn down.
class SplashScreenWindow : public WindowObject {
public:
    SplashScreenWindow() = default;
    ~SplashScreenWindow() override;
    SplashScreenWindow(const SplashScreenWindow&) = delete;
    SplashScreenWindow& operator=(const SplashScreenWindow&) = delete;

    // Loads the bitmap file and makes the (hidden) window the bitmap's size.
    // Null when no window could be made; a file that is missing or no
    // bitmap makes none either, since there is nothing to show.
    HWND Create(const std::string& imagePath, bool shadow);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    LRESULT OnEraseBackground();
    bool BitmapSize(SIZE& size) const;

    UniqueBitmap bitmap;
};
