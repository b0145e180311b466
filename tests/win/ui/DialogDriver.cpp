#include "DialogDriver.h"

#include <shellapi.h>

#include <thread>

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindCaption(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    if (IsWindowVisible(window) && WindowText(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

HWND WaitForThreadWindow(DWORD threadId, const char* caption, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        Search search = {caption, nullptr};
        EnumThreadWindows(threadId, FindCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

bool WaitGone(HWND window, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

int RunModal(const char* caption, const std::function<int()>& show,
             const std::function<void(HWND)>& drive, bool* found)
{
    const DWORD threadId = GetCurrentThreadId();
    bool appeared = false;
    std::thread driver([&] {
        const HWND window = WaitForThreadWindow(threadId, caption);
        if (!window)
            return;
        appeared = true;
        drive(window);
        if (IsWindow(window)) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            WaitGone(window);
        }
    });
    const int result = show();
    driver.join();
    if (found)
        *found = appeared;
    return result;
}

TempFolder::TempFolder()
{
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    char name[MAX_PATH] = {};
    GetTempFileNameA(base, "ui", 0, name);
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    path_ = name;
}

TempFolder::~TempFolder()
{
    std::string from = path_;
    from.push_back('\0');  // the list ends with two NULs
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

void TempFolder::AddFile(const std::string& relative) const
{
    std::string path = path_ + "\\" + relative;
    for (std::size_t i = path_.size() + 1; i < path.size(); ++i)
        if (path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
}

std::vector<COLORREF> PrintClient(HWND window, int& width, int& height)
{
    RECT client = {};
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0)
        return pixels;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    const auto* raw = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const DWORD bgr = raw[i];
        pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

int CountColor(const std::vector<COLORREF>& pixels, COLORREF color)
{
    int count = 0;
    for (COLORREF pixel : pixels)
        count += pixel == color ? 1 : 0;
    return count;
}
