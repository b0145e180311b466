#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <deque>

#include "DialogDriver.h"
#include "launcher/win/WinPlatform.h"
#include "resource.h"
#include "ui/JreNotFoundDialog.h"

// The real dialog from the real template. The folder browser is replaced by
// a scripted picker (the shell's browser cannot be answered in-process);
// one test opens the real browser to see that Browse reaches it. Link opens
// go to a recorder so that no browser is started.

namespace {

const char* const kCaption = "JRE Not Found";
const char* const kMessage = "This application requires a Java Runtime Environment 1.8.0";

// Answers of the scripted picker: a folder, or an empty optional-like marker
// for a cancelled browse.
struct Answer {
    bool chosen;
    std::string folder;
};
std::deque<Answer> answers;
int pickerCalls = 0;
HWND pickerOwner = nullptr;

bool ScriptedPicker(HWND owner, std::string& folder)
{
    ++pickerCalls;
    pickerOwner = owner;
    if (answers.empty())
        return false;
    const Answer answer = answers.front();
    answers.pop_front();
    if (answer.chosen)
        folder = answer.folder;
    return answer.chosen;
}

bool NoOpen(const std::string&)
{
    return false;
}

class JreNotFoundDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        answers.clear();
        pickerCalls = 0;
        pickerOwner = nullptr;
    }

    WinPlatform platform{GetModuleHandleA(nullptr)};
};

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void Browse(HWND dialog)
{
    SendMessageA(dialog, WM_COMMAND, IDC_BROWSE, 0);
}

TEST_F(JreNotFoundDialogTest, ControlsAreThoseOfTheTemplate)
{
    struct Control {
        int id;
        const char* className;
        const char* text;
        LONG style;  // without WS_CHILD | WS_VISIBLE
    };
    const Control controls[] = {
        {IDOK, "Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON | WS_DISABLED},
        {IDCANCEL, "Button", "Cancel", WS_TABSTOP | BS_PUSHBUTTON},
        {IDC_JRE_PATH, "Edit", "", WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL},
        {IDC_BROWSE, "Button", "Browse...", WS_TABSTOP | BS_PUSHBUTTON},
        {IDC_MESSAGE, "Static", kMessage, WS_GROUP | SS_LEFT},
        // The link gets SS_NOTIFY when it is attached.
        {IDC_DOWNLOAD_LINK, "Static", "https://www.java.com/en/download/manual.jsp", WS_GROUP | SS_LEFT | SS_NOTIFY},
        {IDC_ERROR_ICON, "Static", "", SS_ICON},
        {IDC_BROWSE_HINT, "Static", "If you have a JRE installed you can browse for it bellow:",
         WS_GROUP | SS_LEFT},
    };
    JreNotFoundDialog dialog(kMessage, platform, ScriptedPicker, NoOpen);
    bool found = false;
    const int code = RunModal(
        kCaption, [&] { return dialog.ShowModal(nullptr); },
        [&](HWND window) {
            EXPECT_EQ(ClassName(window), "#32770");
            const LONG style = GetWindowLongA(window, GWL_STYLE);
            const LONG expected = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
            EXPECT_EQ(style & expected, expected);
            for (const Control& c : controls) {
                const HWND control = GetDlgItem(window, c.id);
                ASSERT_NE(control, nullptr) << c.id;
                EXPECT_STRCASEEQ(ClassName(control).c_str(), c.className) << c.id;
                EXPECT_EQ(WindowText(control), c.text) << c.id;
                // An edit control in a 3D dialog trades WS_BORDER for a
                // client edge; the template itself is checked separately.
                const LONG ignored = WS_CHILD | WS_VISIBLE | (c.id == IDC_JRE_PATH ? WS_BORDER : 0);
                const LONG controlStyle = GetWindowLongA(control, GWL_STYLE);
                EXPECT_EQ(controlStyle & ~ignored, c.style & ~ignored)
                    << c.id << std::hex << " " << controlStyle;
            }
            // The two unnamed controls, in template order: the label and
            // the group box.
            int unnamed = 0;
            for (HWND child = GetWindow(window, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (GetDlgCtrlID(child) != 0xFFFF && GetDlgCtrlID(child) != -1)
                    continue;
                const std::string text = WindowText(child);
                EXPECT_TRUE(text == "JRE Path:" || text == "Missing JRE") << text;
                ++unnamed;
            }
            EXPECT_EQ(unnamed, 2);
            // The system error icon is on the icon control.
            EXPECT_NE(SendDlgItemMessageA(window, IDC_ERROR_ICON, STM_GETICON, 0, 0), 0);
            EXPECT_FALSE(Enabled(window, IDOK));
            EXPECT_EQ(WindowText(GetDlgItem(window, IDC_JRE_PATH)), "");
            // The path box is read-only: typing does not reach it.
            SendDlgItemMessageA(window, IDC_JRE_PATH, WM_CHAR, 'x', 0);
            EXPECT_EQ(WindowText(GetDlgItem(window, IDC_JRE_PATH)), "");
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        },
        &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(code, IDCANCEL);
}

// The template as stored in the resources, field by field.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : p_(data) {}
    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }
    BYTE Byte() { return Take<BYTE>(); }
    // A string or an ordinal (0xFFFF then the number, written "#n").
    std::string SzOrOrd()
    {
        if (*reinterpret_cast<const WORD*>(p_) == 0xFFFF) {
            p_ += 2;
            return "#" + std::to_string(Word());
        }
        std::string text;
        for (WORD c = Word(); c != 0; c = Word())
            text.push_back(static_cast<char>(c));
        return text;
    }
    void AlignDword(const BYTE* base)
    {
        while ((p_ - base) % 4 != 0)
            ++p_;
    }

private:
    template <typename T>
    T Take()
    {
        T value;
        std::memcpy(&value, p_, sizeof(T));
        p_ += sizeof(T);
        return value;
    }
    const BYTE* p_;
};

TEST_F(JreNotFoundDialogTest, TemplateInTheResources)
{
    const HRSRC found = FindResourceExA(nullptr, MAKEINTRESOURCEA(5) /* RT_DIALOG */,
                                        MAKEINTRESOURCEA(IDD_JRE_NOT_FOUND),
                                        MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(found, nullptr);
    const auto* base = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(base, nullptr);
    TemplateReader in(base);
    EXPECT_EQ(in.Word(), 1);       // version
    EXPECT_EQ(in.Word(), 0xFFFF);  // extended template
    EXPECT_EQ(in.Dword(), 0u);     // help id
    EXPECT_EQ(in.Dword(), 0u);     // extended style
    EXPECT_EQ(in.Dword(), static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                             DS_SETFONT | DS_FIXEDSYS));
    const WORD count = in.Word();
    EXPECT_EQ(count, 10);
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 219);
    EXPECT_EQ(in.Short(), 145);
    EXPECT_EQ(in.SzOrOrd(), "");  // no menu
    EXPECT_EQ(in.SzOrOrd(), "");  // the default dialog class
    EXPECT_EQ(in.SzOrOrd(), "JRE Not Found");
    EXPECT_EQ(in.Word(), 8);
    EXPECT_EQ(in.Word(), 400);
    EXPECT_EQ(in.Byte(), 0);  // not italic
    EXPECT_EQ(in.Byte(), 1);  // DEFAULT_CHARSET
    EXPECT_EQ(in.SzOrOrd(), "MS Shell Dlg");

    struct Item {
        DWORD id;
        const char* className;  // the predefined classes' ordinals
        const char* text;
        short x, y, cx, cy;
        DWORD style;
    };
    const DWORD base_ = WS_CHILD | WS_VISIBLE;
    const Item items[] = {
        {1, "#128", "OK", 107, 122, 50, 14, base_ | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {2, "#128", "Cancel", 161, 122, 50, 14, base_ | WS_TABSTOP | BS_PUSHBUTTON},
        {201, "#129", "", 49, 89, 104, 14,
         base_ | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL},
        {0xFFFFFFFF, "#130", "JRE Path:", 12, 92, 32, 8, base_ | WS_GROUP | SS_LEFT},
        {202, "#128", "Browse...", 157, 89, 50, 14, base_ | WS_TABSTOP | BS_PUSHBUTTON},
        {0xFFFFFFFF, "#128", "Missing JRE", 8, 11, 203, 103, base_ | BS_GROUPBOX},
        {203, "#130", "", 44, 24, 147, 25, base_ | WS_GROUP | SS_LEFT},
        {205, "#130", "https://www.java.com/en/download/manual.jsp", 44, 55, 75, 8, base_ | WS_GROUP | SS_LEFT},
        {204, "#130", "", 16, 26, 21, 20, base_ | SS_ICON},
        {206, "#130", "If you have a JRE installed you can browse for it bellow:", 12, 73, 195,
         8, base_ | WS_GROUP | SS_LEFT},
    };
    for (int i = 0; i < count && i < 10; ++i) {
        const Item& item = items[i];
        in.AlignDword(base);
        EXPECT_EQ(in.Dword(), 0u) << i;  // help id
        EXPECT_EQ(in.Dword(), 0u) << i;  // extended style
        EXPECT_EQ(in.Dword(), item.style) << i;
        EXPECT_EQ(in.Short(), item.x) << i;
        EXPECT_EQ(in.Short(), item.y) << i;
        EXPECT_EQ(in.Short(), item.cx) << i;
        EXPECT_EQ(in.Short(), item.cy) << i;
        EXPECT_EQ(in.Dword(), item.id) << i;
        EXPECT_EQ(in.SzOrOrd(), item.className) << i;
        EXPECT_EQ(in.SzOrOrd(), item.text) << i;
        EXPECT_EQ(in.Word(), 0) << i;  // no creation data
    }
}

TEST_F(JreNotFoundDialogTest, CentresOnTheWorkAreaWithoutAnOwner)
{
    JreNotFoundDialog dialog(kMessage, platform, ScriptedPicker, NoOpen);
    RunModal(
        kCaption, [&] { return dialog.ShowModal(nullptr); },
        [&](HWND window) {
            RECT area = {}, rect = {};
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
            GetWindowRect(window, &rect);
            const long w = rect.right - rect.left, h = rect.bottom - rect.top;
            EXPECT_EQ(rect.left, (area.left + area.right) / 2 - w / 2);
            EXPECT_EQ(rect.top, (area.top + area.bottom) / 2 - h / 2);
        });
}

TEST_F(JreNotFoundDialogTest, CentresOnAVisibleOwnerAndStaysOnTheScreen)
{
    struct Case {
        RECT owner;
        bool clampedLeft;
    };
    const Case cases[] = {
        {{200, 150, 700, 550}, false},
        {{-400, 100, 100, 300}, true},  // mostly off the left edge
    };
    for (const Case& c : cases) {
        const HWND owner = CreateWindowExA(0, "Static", "owner", WS_POPUP | WS_VISIBLE,
                                           c.owner.left, c.owner.top,
                                           c.owner.right - c.owner.left,
                                           c.owner.bottom - c.owner.top, nullptr, nullptr,
                                           GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
        JreNotFoundDialog dialog(kMessage, platform, ScriptedPicker, NoOpen);
        RunModal(
            kCaption, [&] { return dialog.ShowModal(owner); },
            [&](HWND window) {
                EXPECT_EQ(GetWindow(window, GW_OWNER), owner);
                RECT rect = {};
                GetWindowRect(window, &rect);
                const long w = rect.right - rect.left, h = rect.bottom - rect.top;
                if (c.clampedLeft)
                    EXPECT_EQ(rect.left, 0);
                else
                    EXPECT_EQ(rect.left, (c.owner.left + c.owner.right) / 2 - w / 2);
                EXPECT_EQ(rect.top, (c.owner.top + c.owner.bottom) / 2 - h / 2);
            });
        DestroyWindow(owner);
    }
}

TEST_F(JreNotFoundDialogTest, CancelEscapeAndCloseEndWithCancel)
{
    const std::function<void(HWND)> endings[] = {
        [](HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); },
        [](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); },
        [](HWND window) {
            // Escape through the dialog's own message loop.
            HWND target = GetDlgItem(window, IDCANCEL);
            PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        },
    };
    for (const auto& end : endings) {
        JreNotFoundDialog dialog(kMessage, platform, ScriptedPicker, NoOpen);
        bool ended = false;
        const int code = RunModal(
            kCaption, [&] { return dialog.ShowModal(nullptr); },
            [&](HWND window) {
                end(window);
                ended = WaitGone(window, 10000);
            });
        EXPECT_TRUE(ended);
        EXPECT_EQ(code, IDCANCEL);
        EXPECT_EQ(dialog.GetJreFolder(), "");
        EXPECT_EQ(dialog.GetJvmPath(), "");
    }
}

TEST_F(JreNotFoundDialogTest, BrowseEnablesOkExactlyWhileTheFolderHoldsAVmLibrary)
{
    TempFolder good, hotspot, empty;
    good.AddFile("bin\\client\\jvm.dll");
    hotspot.AddFile("bin\\hotspot\\jvm.dll");
    answers = {{true, good.Path()},  {true, empty.Path()}, {false, ""},
               {true, hotspot.Path()}, {false, ""}};

    JreNotFoundDialog dialog(kMessage, platform, ScriptedPicker, NoOpen);
    const int code = RunModal(
        kCaption, [&] { return dialog.ShowModal(nullptr); },
        [&](HWND window) {
            const HWND edit = GetDlgItem(window, IDC_JRE_PATH);

            Browse(window);
            EXPECT_EQ(pickerOwner, window);
            EXPECT_TRUE(Enabled(window, IDOK));
            EXPECT_EQ(WindowText(edit), good.Path());  // shown without the added backslash

            Browse(window);
            EXPECT_FALSE(Enabled(window, IDOK));
            EXPECT_EQ(WindowText(edit), empty.Path());

            Browse(window);  // cancelled: nothing changes
            EXPECT_FALSE(Enabled(window, IDOK));
            EXPECT_EQ(WindowText(edit), empty.Path());

            Browse(window);
            EXPECT_TRUE(Enabled(window, IDOK));
            EXPECT_EQ(WindowText(edit), hotspot.Path());

            Browse(window);  // cancelled after a good folder: OK stays
            EXPECT_TRUE(Enabled(window, IDOK));
            EXPECT_EQ(WindowText(edit), hotspot.Path());

            PostMessageA(window, WM_COMMAND, IDOK, 0);
        });
    EXPECT_EQ(pickerCalls, 5);
    EXPECT_EQ(code, IDOK);
    EXPECT_EQ(dialog.GetJreFolder(), hotspot.Path() + "\\");
    EXPECT_EQ(dialog.GetJvmPath(), hotspot.Path() + "\\bin\\hotspot\\jvm.dll");
}

TEST_F(JreNotFoundDialogTest, CancelAfterABrowseKeepsWhatTheBrowseLeft)
{
    TempFolder empty;
    answers = {{true, empty.Path()}};
    JreNotFoundDialog dialog(kMessage, platform, ScriptedPicker, NoOpen);
    const int code = RunModal(
        kCaption, [&] { return dialog.ShowModal(nullptr); },
        [&](HWND window) {
            Browse(window);
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
    EXPECT_EQ(code, IDCANCEL);
    EXPECT_EQ(dialog.GetJreFolder(), empty.Path() + "\\");
    EXPECT_EQ(dialog.GetJvmPath(), "");
}

TEST_F(JreNotFoundDialogTest, DriveRootGetsNoSecondBackslash)
{
    answers = {{true, "Z:\\"}};
    JreNotFoundDialog dialog(kMessage, platform, ScriptedPicker, NoOpen);
    RunModal(
        kCaption, [&] { return dialog.ShowModal(nullptr); },
        [&](HWND window) {
            Browse(window);
            EXPECT_EQ(WindowText(GetDlgItem(window, IDC_JRE_PATH)), "Z:\\");
        });
    EXPECT_EQ(dialog.GetJreFolder(), "Z:\\");
}

// The real shell browser opens over the dialog with the requested title.
// Wine captions it "Browse for Folder" and shows the title as a text inside.
TEST_F(JreNotFoundDialogTest, BrowseOpensTheShellFolderBrowser)
{
    JreNotFoundDialog dialog(kMessage, platform, BrowseForJreFolder, NoOpen);
    const DWORD threadId = GetCurrentThreadId();
    bool browserSeen = false;
    bool titleSeen = false;
    const int code = RunModal(
        kCaption, [&] { return dialog.ShowModal(nullptr); },
        [&](HWND window) {
            PostMessageA(window, WM_COMMAND, IDC_BROWSE, 0);
            const HWND browser = WaitForThreadWindow(threadId, "Browse for Folder");
            ASSERT_NE(browser, nullptr);
            browserSeen = true;
            EXPECT_EQ(GetWindow(browser, GW_OWNER), window);
            for (HWND child = GetWindow(browser, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT))
                titleSeen = titleSeen || WindowText(child) == "Browse for JRE folder";
            PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
            EXPECT_TRUE(WaitGone(browser));
            EXPECT_EQ(WindowText(GetDlgItem(window, IDC_JRE_PATH)), "");
            EXPECT_FALSE(Enabled(window, IDOK));
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
    EXPECT_TRUE(browserSeen);
    EXPECT_TRUE(titleSeen);
    EXPECT_EQ(code, IDCANCEL);
    EXPECT_EQ(dialog.GetJreFolder(), "");
}

}  // namespace

namespace {

// Run by the ui_win_tests_cp932 entry, under the Japanese code page: a
// folder whose name ends in a double-byte character with a backslash as its
// second byte still gets its separator, since that byte is no separator.
TEST_F(JreNotFoundDialogTest, DoubleByteNameEndingInABackslashByte)
{
    ASSERT_EQ(GetACP(), 932u) << "this case needs the Japanese code page (LANG=ja_JP.UTF-8)";
    const std::string folder = "C:\\Java\\\x95\x5c";  // the last character is one kanji
    answers = {{true, folder}};
    JreNotFoundDialog dialog(kMessage, platform, ScriptedPicker, NoOpen);
    RunModal(
        kCaption, [&] { return dialog.ShowModal(nullptr); },
        [&](HWND window) {
            Browse(window);
            EXPECT_EQ(WindowText(GetDlgItem(window, IDC_JRE_PATH)), folder);
        });
    EXPECT_EQ(dialog.GetJreFolder(), folder + "\\");
}

}  // namespace
