#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "launcher/win/WinPlatform.h"
#include "ui/Geometry.h"
#include "ui/WindowModule.h"

// The splash window as the platform makes it, on the real display.

namespace {

// Left half red, right half green, top row of the left half blue: enough
// to tell the picture's orientation and position on the screen.
COLORREF PixelOf(int x, int y, int width)
{
    if (x < width / 2)
        return y == 0 ? RGB(0, 0, 255) : RGB(255, 0, 0);
    return RGB(0, 255, 0);
}

void WriteBitmap(const std::string& path, int width, int height)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;  // bottom row first
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = rowBytes * height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = PixelOf(x, y, width);
            row[x * 3] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
        out.write(reinterpret_cast<const char*>(row.data()), rowBytes);
    }
}

class SplashScreenTest : public testing::Test {
protected:
    void TearDown() override
    {
        // Each case registers the class afresh, with its own shadow choice.
        TerminateWindowModule();
        InitializeWindowModule(GetModuleHandleA(nullptr));
    }

    WinPlatform platform{GetModuleHandleA(nullptr)};
    TempFolder folder;
};

TEST_F(SplashScreenTest, WindowClassStyleAndPlacement)
{
    const std::string image = folder.Path() + "\\splash.bmp";
    WriteBitmap(image, 301, 121);
    for (const bool shadow : {true, false}) {
        auto splash = platform.OpenSplash(image, shadow);
        ASSERT_NE(splash, nullptr);
        const HWND window = static_cast<HWND>(splash->Window());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(ClassName(window), "SplashScreenWindow");
        EXPECT_EQ(WindowText(window), "");
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & ~WS_CLIPSIBLINGS,
                  static_cast<DWORD>(WS_POPUP | WS_VISIBLE));
        EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
        EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        const DWORD classStyle = GetClassLongA(window, GCL_STYLE);
        EXPECT_EQ(classStyle, shadow ? 0x00020808u : 0x0808u) << "shadow " << shadow;

        RECT rect = {};
        GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, CenteredStart(GetSystemMetrics(SM_CXFULLSCREEN), 301));
        EXPECT_EQ(rect.top, CenteredStart(GetSystemMetrics(SM_CYFULLSCREEN), 121));
        EXPECT_EQ(rect.right - rect.left, 301);
        EXPECT_EQ(rect.bottom - rect.top, 121);

        splash.reset();
        EXPECT_FALSE(IsWindow(window));
        TerminateWindowModule();
        InitializeWindowModule(GetModuleHandleA(nullptr));
    }
}

TEST_F(SplashScreenTest, PaintsTheBitmapOnTheScreen)
{
    const std::string image = folder.Path() + "\\splash.bmp";
    WriteBitmap(image, 200, 100);
    auto splash = platform.OpenSplash(image, false);
    const HWND window = static_cast<HWND>(splash->Window());
    ASSERT_NE(window, nullptr);
    // Painted before OpenSplash returned: no message is dispatched here.
    RECT rect = {};
    GetWindowRect(window, &rect);
    const HDC screen = GetDC(nullptr);
    struct Probe {
        int x, y;
    };
    for (const Probe p : {Probe{5, 0}, Probe{5, 50}, Probe{150, 0}, Probe{150, 99}}) {
        EXPECT_EQ(GetPixel(screen, rect.left + p.x, rect.top + p.y), PixelOf(p.x, p.y, 200))
            << p.x << "," << p.y;
    }
    ReleaseDC(nullptr, screen);
}

TEST_F(SplashScreenTest, NoWindowWithoutABitmap)
{
    const std::string text = folder.Path() + "\\not-a-bitmap.bmp";
    std::ofstream(text) << "this is no bitmap\n";
    for (const std::string& image : {folder.Path() + "\\missing.bmp", text}) {
        auto splash = platform.OpenSplash(image, true);
        EXPECT_EQ(splash ? splash->Window() : nullptr, nullptr) << image;
        EXPECT_EQ(FindWindowA("SplashScreenWindow", nullptr), nullptr) << image;
    }
}

TEST_F(SplashScreenTest, RelativePathIsResolvedAgainstTheCurrentDirectory)
{
    WriteBitmap(folder.Path() + "\\relative.bmp", 40, 30);
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.Path().c_str());
    auto splash = platform.OpenSplash("relative.bmp", false);
    SetCurrentDirectoryA(previous);
    ASSERT_NE(splash, nullptr);
    EXPECT_NE(splash->Window(), nullptr);
}

}  // namespace
