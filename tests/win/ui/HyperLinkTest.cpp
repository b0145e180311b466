#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogDriver.h"
#include "LinkColorsTest.h"
#include "launcher/win/WinPlatform.h"
#include "resource.h"
#include "ui/JreNotFoundDialog.h"

// The link on the real dialog. Opening is recorded instead of handed to the
// shell, so nothing is started; the recorder's answer decides whether the
// open counts as a success.

namespace {

const char* const kCaption = "JRE Not Found";
const char* const kTarget = "https://www.java.com/en/download/manual.jsp";

std::vector<std::string> opened;
bool openSucceeds = true;

bool RecordOpen(const std::string& target)
{
    opened.push_back(target);
    return openSucceeds;
}

bool NoPick(HWND, std::string&)
{
    return false;
}

class HyperLinkTest : public testing::Test {
protected:
    void SetUp() override
    {
        opened.clear();
        openSucceeds = true;
    }

    // Shows the dialog and runs drive(link) on the second thread, attached to
    // the dialog thread's input state so that focus, capture and cursor read
    // there are the dialog's.
    void WithLink(const std::function<void(HWND dialog, HWND link)>& drive)
    {
        JreNotFoundDialog dialog("message", platform, NoPick, RecordOpen);
        const DWORD dialogThread = GetCurrentThreadId();
        bool found = false;
        RunModal(
            kCaption, [&] { return dialog.ShowModal(nullptr); },
            [&](HWND window) {
                AttachThreadInput(GetCurrentThreadId(), dialogThread, TRUE);
                drive(window, GetDlgItem(window, IDC_DOWNLOAD_LINK));
                AttachThreadInput(GetCurrentThreadId(), dialogThread, FALSE);
            },
            &found);
        EXPECT_TRUE(found);
    }

    WinPlatform platform{GetModuleHandleA(nullptr)};
};

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

// A point on the text (it starts at the top left of the control) and one
// in the control's area below the text's rectangle.
constexpr int kInX = 3, kInY = 3;

TEST_F(HyperLinkTest, PressAndReleaseOnTheTextOpensAndTurnsVisited)
{
    WithLink([](HWND, HWND link) {
        int w = 0, h = 0;
        const auto before = PrintClient(link, w, h);
        EXPECT_GT(CountColor(before, RGB(0, 0, 255)), 0);
        EXPECT_EQ(CountColor(before, RGB(128, 0, 128)), 0);

        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, At(kInX, kInY));
        EXPECT_EQ(GetCapture(), link);
        EXPECT_EQ(GetFocus(), link);
        SendMessageA(link, WM_LBUTTONUP, 0, At(kInX, kInY));
        EXPECT_EQ(GetCapture(), nullptr);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], kTarget);

        const auto after = PrintClient(link, w, h);
        EXPECT_GT(CountColor(after, RGB(128, 0, 128)), 0);
        EXPECT_EQ(CountColor(after, RGB(0, 0, 255)), 0);
    });
}

TEST_F(HyperLinkTest, ReleaseOutsideOrPressOutsideOpensNothing)
{
    WithLink([](HWND, HWND link) {
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, At(kInX, kInY));
        SendMessageA(link, WM_LBUTTONUP, 0, At(-20, 200));
        EXPECT_EQ(GetCapture(), nullptr);

        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, At(-20, 200));
        EXPECT_EQ(GetCapture(), nullptr);
        SendMessageA(link, WM_LBUTTONUP, 0, At(kInX, kInY));
        EXPECT_TRUE(opened.empty());
    });
}

TEST_F(HyperLinkTest, FailedOpenLeavesTheLinkUnvisited)
{
    openSucceeds = false;
    WithLink([](HWND, HWND link) {
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, At(kInX, kInY));
        SendMessageA(link, WM_LBUTTONUP, 0, At(kInX, kInY));
        EXPECT_EQ(opened.size(), 1u);
        int w = 0, h = 0;
        const auto pixels = PrintClient(link, w, h);
        EXPECT_GT(CountColor(pixels, RGB(0, 0, 255)), 0);
        EXPECT_EQ(CountColor(pixels, RGB(128, 0, 128)), 0);
    });
}

TEST_F(HyperLinkTest, EnterAndSpaceOpenOtherCharactersAreSwallowed)
{
    WithLink([](HWND, HWND link) {
        EXPECT_EQ(SendMessageA(link, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS);
        SendMessageA(link, WM_CHAR, 'a', 0);
        EXPECT_TRUE(opened.empty());
        SendMessageA(link, WM_CHAR, VK_SPACE, 0);
        SendMessageA(link, WM_CHAR, VK_RETURN, 0);
        EXPECT_EQ(opened.size(), 2u);
    });
}

TEST_F(HyperLinkTest, HandCursorOnlyOverTheText)
{
    WithLink([](HWND, HWND link) {
        const HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        SetCursor(arrow);
        SendMessageA(link, WM_MOUSEMOVE, 0, At(-20, 200));
        EXPECT_EQ(GetCursor(), arrow);
        EXPECT_EQ(SendMessageA(link, WM_MOUSEMOVE, 0, At(kInX, kInY)), 0);
        const HCURSOR hand = GetCursor();
        ASSERT_NE(hand, arrow);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(hand, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, 5u);
        EXPECT_EQ(info.yHotspot, 0u);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    });
}

TEST_F(HyperLinkTest, ToolTipCoversTheTextOnly)
{
    WithLink([](HWND dialog, HWND link) {
        // A tooltip is a popup: the link as its parent makes the dialog,
        // the link's top-level window, its owner.
        HWND tip = nullptr;
        for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w;
             w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr))
            if (GetWindow(w, GW_OWNER) == dialog || GetWindow(w, GW_OWNER) == link)
                tip = w;
        ASSERT_NE(tip, nullptr);

        char text[256] = {};
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.lpszText = text;
        ASSERT_TRUE(SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(tool.hwnd, link);
        EXPECT_STREQ(text, kTarget);

        RECT client = {};
        GetClientRect(link, &client);
        // The text's rectangle starts at the top left and is one line high,
        // not the control's whole area.
        EXPECT_EQ(tool.rect.left, 0);
        EXPECT_EQ(tool.rect.top, 0);
        EXPECT_GT(tool.rect.bottom, 0);
        EXPECT_GT(tool.rect.right, 0);

        TTHITTESTINFOA hit = {};
        hit.hwnd = link;
        hit.pt = {kInX, kInY};
        hit.ti.cbSize = TTTOOLINFOA_V2_SIZE;
        EXPECT_TRUE(SendMessageA(tip, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)));
        hit.pt = {tool.rect.right + 1, tool.rect.bottom + 1};
        EXPECT_FALSE(SendMessageA(tip, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)));
    });
}

TEST_F(HyperLinkTest, DisabledLinkIsGrey)
{
    WithLink([](HWND, HWND link) {
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, At(kInX, kInY));
        SendMessageA(link, WM_LBUTTONUP, 0, At(kInX, kInY));  // visited
        EnableWindow(link, FALSE);
        int w = 0, h = 0;
        const auto pixels = PrintClient(link, w, h);
        EXPECT_GT(CountColor(pixels, GetSysColor(COLOR_GRAYTEXT)), 0);
        EXPECT_EQ(CountColor(pixels, RGB(128, 0, 128)), 0);
        EXPECT_EQ(CountColor(pixels, RGB(0, 0, 255)), 0);
        EnableWindow(link, TRUE);
    });
}

TEST_F(HyperLinkTest, ColoursComeFromTheUsersSettings)
{
    AnchorColorValues values;
    values.SetText("Anchor Color", "0,160,0");
    values.SetText("Anchor Color Visited", "200,0,0");
    WithLink([](HWND, HWND link) {
        int w = 0, h = 0;
        EXPECT_GT(CountColor(PrintClient(link, w, h), RGB(0, 160, 0)), 0);
        SendMessageA(link, WM_CHAR, VK_SPACE, 0);
        const auto pixels = PrintClient(link, w, h);
        EXPECT_GT(CountColor(pixels, RGB(200, 0, 0)), 0);
        EXPECT_EQ(CountColor(pixels, RGB(0, 160, 0)), 0);
    });
}

TEST_F(HyperLinkTest, ANewDialogStartsUnvisited)
{
    WithLink([](HWND, HWND link) { SendMessageA(link, WM_CHAR, VK_SPACE, 0); });
    WithLink([](HWND, HWND link) {
        int w = 0, h = 0;
        const auto pixels = PrintClient(link, w, h);
        EXPECT_GT(CountColor(pixels, RGB(0, 0, 255)), 0);
        EXPECT_EQ(CountColor(pixels, RGB(128, 0, 128)), 0);
    });
}

}  // namespace
