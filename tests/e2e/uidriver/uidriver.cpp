// A test-only console program that finds and drives the top-level windows of
// other processes on the same desktop (the launcher's message boxes, dialog
// and splash window) and prints what it sees as one line of JSON.
//
//   uidriver list [filters] [--all]            every visible top-level window
//   uidriver wait [filters] [--timeout SEC]    the first matching visible one
//   uidriver describe HWND                     one window
//   uidriver gone HWND [--timeout SEC]         waits until it is gone or hidden
//   uidriver press HWND ID                     WM_COMMAND BN_CLICKED from child ID
//   uidriver click HWND ID                     BM_CLICK to child ID
//   uidriver close HWND                        WM_CLOSE
//   uidriver key HWND VK [--input]             a key to the focused control
//   uidriver text HWND [ID]                    the text of the window or child ID
//   uidriver settext HWND ID TEXT              sets the text of child ID
//   uidriver focus HWND                        the focused control of its thread
//   uidriver run --cmdline-hex HEX [--app PATH] [--cwd DIR] [--timeout SEC]
//                                              starts a program, prints its
//                                              process id, then its exit code
//   uidriver kill PID                          ends a process
//
// Filters: --class C, --title T (exact caption), --pid P (Windows process id),
// --exe NAME (file name of the owning process's image, case-insensitive).
// Windows of this program itself never match. Every post is asynchronous so
// that a button that opens another modal window does not block the driver.
// Exit code: 0 done, 1 not found or timed out, 2 bad usage.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// ---- JSON output -------------------------------------------------------

// Window texts are in the ANSI code page; JSON wants UTF-8.
std::string AnsiToUtf8(const std::string& text)
{
    if (text.empty())
        return text;
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0);
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &w[0], wide);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], bytes, nullptr, nullptr);
    return out;
}

std::string Quote(const std::string& ansi)
{
    const std::string text = AnsiToUtf8(ansi);
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string Handle(HWND hwnd)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "\"0x%llx\"",
                  static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(hwnd)));
    return buf;
}

std::string Number(long long value)
{
    return std::to_string(value);
}

std::string Bits(unsigned long value)
{
    return std::to_string(value);
}

std::string Rect(const RECT& r)
{
    return "{\"left\":" + Number(r.left) + ",\"top\":" + Number(r.top) +
           ",\"right\":" + Number(r.right) + ",\"bottom\":" + Number(r.bottom) +
           ",\"width\":" + Number(r.right - r.left) + ",\"height\":" + Number(r.bottom - r.top) +
           "}";
}

void Print(const std::string& json)
{
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// ---- Reading windows ---------------------------------------------------

std::string ClassOf(HWND hwnd)
{
    char name[256] = "";
    if (hwnd)
        GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// The caption of a top-level window is kept by the system; the text of a
// control in another process is asked for, with a timeout, so that a busy
// thread (one running Java code, say) does not hang the driver.
std::string TextOf(HWND hwnd, bool ask)
{
    if (ask) {
        DWORD_PTR length = 0;
        if (SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
            std::vector<char> buffer(length + 2, '\0');
            DWORD_PTR copied = 0;
            if (SendMessageTimeoutA(hwnd, WM_GETTEXT, buffer.size(),
                                    reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                                    2000, &copied))
                return std::string(buffer.data(), copied);
        }
    }
    const int length = GetWindowTextLengthA(hwnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
    const int copied = GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

DWORD ProcessOf(HWND hwnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

std::string ImageOf(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return std::string();
    char path[MAX_PATH * 2] = "";
    DWORD size = sizeof path;
    if (!QueryFullProcessImageNameA(process, 0, path, &size))
        size = 0;
    CloseHandle(process);
    return std::string(path, size);
}

std::string FileName(const std::string& path)
{
    const std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct ChildList {
    HWND top;
    std::vector<HWND> children;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM data)
{
    reinterpret_cast<ChildList*>(data)->children.push_back(hwnd);
    return TRUE;
}

std::string DescribeChild(HWND top, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    // In the client coordinates of the top-level window, as a dialog
    // template places its controls.
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
    const HWND parent = GetAncestor(child, GA_PARENT);
    return "{\"hwnd\":" + Handle(child) +
           ",\"id\":" + Number(GetDlgCtrlID(child)) +
           ",\"class\":" + Quote(ClassOf(child)) +
           ",\"text\":" + Quote(TextOf(child, true)) +
           ",\"style\":" + Bits(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE))) +
           ",\"exstyle\":" + Bits(static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE))) +
           ",\"enabled\":" + (IsWindowEnabled(child) ? "true" : "false") +
           ",\"visible\":" + (IsWindowVisible(child) ? "true" : "false") +
           ",\"parent\":" + Handle(parent) +
           ",\"rect\":" + Rect(r) + "}";
}

std::string Describe(HWND hwnd)
{
    DWORD pid = 0;
    const DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
    const HWND owner = GetWindow(hwnd, GW_OWNER);
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);

    ChildList list{hwnd, {}};
    EnumChildWindows(hwnd, CollectChild, reinterpret_cast<LPARAM>(&list));
    std::string children;
    for (HWND child : list.children) {
        if (!children.empty())
            children += ",";
        children += DescribeChild(hwnd, child);
    }

    return "{\"hwnd\":" + Handle(hwnd) +
           ",\"pid\":" + Number(pid) + ",\"tid\":" + Number(tid) +
           ",\"exe\":" + Quote(ImageOf(pid)) +
           ",\"class\":" + Quote(ClassOf(hwnd)) +
           ",\"caption\":" + Quote(TextOf(hwnd, false)) +
           ",\"style\":" + Bits(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE))) +
           ",\"exstyle\":" + Bits(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE))) +
           ",\"classStyle\":" + Bits(GetClassLongA(hwnd, GCL_STYLE)) +
           ",\"enabled\":" + (IsWindowEnabled(hwnd) ? "true" : "false") +
           ",\"visible\":" + (IsWindowVisible(hwnd) ? "true" : "false") +
           ",\"owner\":" + Handle(owner) + ",\"ownerClass\":" + Quote(ClassOf(owner)) +
           ",\"rect\":" + Rect(window) +
           ",\"client\":{\"left\":" + Number(origin.x) + ",\"top\":" + Number(origin.y) +
           ",\"width\":" + Number(client.right) + ",\"height\":" + Number(client.bottom) + "}" +
           ",\"children\":[" + children + "]}";
}

// ---- Finding windows ---------------------------------------------------

struct Filter {
    std::string className;
    bool hasClass = false;
    std::string title;
    bool hasTitle = false;
    DWORD pid = 0;
    std::string exe;
    bool includeHidden = false;
};

bool Matches(HWND hwnd, const Filter& filter)
{
    if (!filter.includeHidden && !IsWindowVisible(hwnd))
        return false;
    const DWORD pid = ProcessOf(hwnd);
    if (pid == GetCurrentProcessId())
        return false;
    if (filter.pid && pid != filter.pid)
        return false;
    if (filter.hasClass && ClassOf(hwnd) != filter.className)
        return false;
    if (filter.hasTitle && TextOf(hwnd, false) != filter.title)
        return false;
    if (!filter.exe.empty() && lstrcmpiA(FileName(ImageOf(pid)).c_str(), filter.exe.c_str()) != 0)
        return false;
    return true;
}

struct Search {
    const Filter* filter;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    if (Matches(hwnd, *search->filter))
        search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> FindWindows(const Filter& filter)
{
    Search search{&filter, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// ---- Commands ----------------------------------------------------------

int Usage(const char* why)
{
    std::fprintf(stderr, "uidriver: %s\n", why);
    return 2;
}

HWND ParseHandle(const char* text)
{
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::strtoull(text, nullptr, 0)));
}

int Fail(const std::string& error)
{
    Print("{\"error\":" + Quote(error) + "}");
    return 1;
}

// The command line to start arrives as hex so that its bytes (quotes,
// blanks, code-page characters) reach CreateProcessA exactly as the test
// wrote them, untouched by any quoting on the way.
bool FromHex(const std::string& hex, std::string& bytes)
{
    if (hex.size() % 2 != 0)
        return false;
    bytes.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        char* end = nullptr;
        const std::string pair = hex.substr(i, 2);
        const long value = std::strtol(pair.c_str(), &end, 16);
        if (*end != '\0')
            return false;
        bytes += static_cast<char>(value);
    }
    return true;
}

// Options after the command; positional arguments are left in order.
struct Options {
    Filter filter;
    double timeout = 10.0;
    bool input = false;
    std::string commandLine;
    std::string application;
    std::string directory;
    std::vector<std::string> positional;
};

bool ParseOptions(int argc, char** argv, int first, Options& options)
{
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--class" && hasValue) {
            options.filter.className = argv[++i];
            options.filter.hasClass = true;
        } else if (arg == "--title" && hasValue) {
            options.filter.title = argv[++i];
            options.filter.hasTitle = true;
        } else if (arg == "--pid" && hasValue) {
            options.filter.pid = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 0));
        } else if (arg == "--exe" && hasValue) {
            options.filter.exe = argv[++i];
        } else if (arg == "--timeout" && hasValue) {
            options.timeout = std::atof(argv[++i]);
        } else if (arg == "--cmdline-hex" && hasValue) {
            if (!FromHex(argv[++i], options.commandLine))
                return false;
        } else if (arg == "--app" && hasValue) {
            options.application = argv[++i];
        } else if (arg == "--cwd" && hasValue) {
            options.directory = argv[++i];
        } else if (arg == "--all") {
            options.filter.includeHidden = true;
        } else if (arg == "--input") {
            options.input = true;
        } else if (arg.compare(0, 2, "--") == 0) {
            return false;
        } else {
            options.positional.push_back(arg);
        }
    }
    return true;
}

// Polls until done() holds or the timeout has passed.
template <typename Done>
bool PollUntil(double seconds, Done done)
{
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0);
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(50);
    }
}

int List(const Options& options)
{
    std::string items;
    for (HWND hwnd : FindWindows(options.filter)) {
        if (!items.empty())
            items += ",";
        items += Describe(hwnd);
    }
    Print("{\"windows\":[" + items + "]}");
    return 0;
}

int Wait(const Options& options)
{
    HWND found = nullptr;
    const bool ok = PollUntil(options.timeout, [&] {
        const std::vector<HWND> windows = FindWindows(options.filter);
        if (windows.empty())
            return false;
        found = windows.front();
        return true;
    });
    if (!ok)
        return Fail("timeout");
    Print(Describe(found));
    return 0;
}

HWND Window(const Options& options, size_t index)
{
    if (index >= options.positional.size())
        return nullptr;
    return ParseHandle(options.positional[index].c_str());
}

HWND Child(HWND top, const std::string& id)
{
    return GetDlgItem(top, static_cast<int>(std::strtol(id.c_str(), nullptr, 0)));
}

int KeyCode(const std::string& name)
{
    static const struct {
        const char* name;
        int code;
    } names[] = {{"ESCAPE", VK_ESCAPE}, {"RETURN", VK_RETURN}, {"ENTER", VK_RETURN},
                 {"TAB", VK_TAB},       {"SPACE", VK_SPACE},   {"F1", VK_F1}};
    for (const auto& entry : names)
        if (lstrcmpiA(entry.name, name.c_str()) == 0)
            return entry.code;
    return static_cast<int>(std::strtol(name.c_str(), nullptr, 0));
}

HWND FocusOf(HWND top)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

int Key(HWND top, int vk, bool input)
{
    if (input) {
        // Through the system's input queue, as a user's key press arrives.
        SetForegroundWindow(top);
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = static_cast<WORD>(vk);
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        if (SendInput(2, keys, sizeof(INPUT)) != 2)
            return Fail("SendInput failed");
    } else {
        // To the focused control, where a dialog's message loop looks for
        // its navigation keys.
        HWND focus = FocusOf(top);
        HWND target = focus && (focus == top || IsChild(top, focus)) ? focus : top;
        const UINT scan = MapVirtualKeyA(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
        PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(vk), 1 | (scan << 16));
        PostMessageA(target, WM_KEYUP, static_cast<WPARAM>(vk), 1 | (scan << 16) | 0xC0000000u);
    }
    Print("{\"ok\":true}");
    return 0;
}

// Starts a program with an exact command line, inheriting this program's
// environment; its standard output and error go to this program's standard
// error, so that standard output carries only the JSON lines: first the
// process id (the tests match windows by it), then the exit code as the
// signed 32-bit value the program returned.
int Start(const Options& options)
{
    if (options.commandLine.empty())
        return Usage("--cmdline-hex missing");
    std::vector<char> commandLine(options.commandLine.begin(), options.commandLine.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(options.application.empty() ? nullptr : options.application.c_str(),
                        commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        options.directory.empty() ? nullptr : options.directory.c_str(),
                        &startup, &process))
        return Fail("CreateProcess failed with " + std::to_string(GetLastError()));
    CloseHandle(process.hThread);
    Print("{\"pid\":" + Number(process.dwProcessId) + "}");

    const DWORD wait = WaitForSingleObject(
        process.hProcess, static_cast<DWORD>(options.timeout * 1000.0));
    if (wait != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
        return Fail("timeout");
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    Print("{\"exit\":" + Number(static_cast<LONG>(code)) + "}");
    return 0;
}

int Kill(const std::string& pid)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                 static_cast<DWORD>(std::strtoul(pid.c_str(), nullptr, 0)));
    if (!process)
        return Fail("no such process");
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    Print("{\"ok\":true}");
    return 0;
}

int Run(int argc, char** argv)
{
    if (argc < 2)
        return Usage("command missing");
    const std::string command = argv[1];
    Options options;
    if (!ParseOptions(argc, argv, 2, options))
        return Usage("unknown option");

    if (command == "list")
        return List(options);
    if (command == "wait")
        return Wait(options);
    if (command == "run")
        return Start(options);
    if (command == "kill" && !options.positional.empty())
        return Kill(options.positional[0]);

    HWND top = Window(options, 0);
    if (!top)
        return Usage("window handle missing");
    const size_t extra = options.positional.size() - 1;

    if (command == "gone") {
        const bool gone = PollUntil(options.timeout,
                                    [&] { return !IsWindow(top) || !IsWindowVisible(top); });
        return gone ? (Print("{\"gone\":true}"), 0) : Fail("timeout");
    }
    if (!IsWindow(top))
        return Fail("no such window");

    if (command == "describe") {
        Print(Describe(top));
        return 0;
    }
    if (command == "close") {
        PostMessageA(top, WM_CLOSE, 0, 0);
        Print("{\"ok\":true}");
        return 0;
    }
    if (command == "focus") {
        HWND focus = FocusOf(top);
        Print("{\"hwnd\":" + Handle(focus) + ",\"id\":" + Number(focus ? GetDlgCtrlID(focus) : 0) +
              ",\"class\":" + Quote(ClassOf(focus)) + "}");
        return 0;
    }
    if (command == "key" && extra >= 1)
        return Key(top, KeyCode(options.positional[1]), options.input);
    if (command == "text") {
        HWND target = extra >= 1 ? Child(top, options.positional[1]) : top;
        if (!target)
            return Fail("no such control");
        Print("{\"text\":" + Quote(TextOf(target, target != top)) + "}");
        return 0;
    }
    if ((command == "press" || command == "click" || command == "settext") && extra >= 1) {
        const int id = static_cast<int>(std::strtol(options.positional[1].c_str(), nullptr, 0));
        HWND child = GetDlgItem(top, id);
        if (command == "press") {
            PostMessageA(top, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(child));
        } else if (!child) {
            return Fail("no such control");
        } else if (command == "click") {
            PostMessageA(child, BM_CLICK, 0, 0);
        } else {
            if (extra < 2)
                return Usage("text missing");
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutA(child, WM_SETTEXT, 0,
                                     reinterpret_cast<LPARAM>(options.positional[2].c_str()),
                                     SMTO_ABORTIFHUNG, 2000, &result))
                return Fail("WM_SETTEXT timed out");
        }
        Print("{\"ok\":true}");
        return 0;
    }
    return Usage("unknown command or missing argument");
}

}  // namespace

int main(int argc, char** argv)
{
    // One JSON line per run, with plain line feeds.
    _setmode(_fileno(stdout), _O_BINARY);
    return Run(argc, argv);
}
