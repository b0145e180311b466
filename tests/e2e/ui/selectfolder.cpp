// A test-only console program: selects a folder in another process's shell
// folder browser the way a user clicks through its tree: from the top, each
// level's item is found by its text, expanded, and the last one selected.
//
//   selectfolder HWND NAME...     prints {"ok":true} or {"error":"..."}
//
// A NAME in the form "*text" matches an item whose text contains "text"
// (drives show as "Label (C:)"). Item texts are read through a buffer in
// the browser's process, since the tree view writes them there.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Fail(const std::string& what)
{
    std::printf("{\"error\":\"%s\"}\n", what.c_str());
    return 1;
}

struct Remote {
    HANDLE process;
    char* base;  // a TVITEMA followed by its text buffer, in the browser
};

constexpr int kTextSize = 260;

std::string ItemText(const Remote& remote, HWND tree, HTREEITEM item)
{
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = remote.base + sizeof(TVITEMA);
    query.cchTextMax = kTextSize;
    WriteProcessMemory(remote.process, remote.base, &query, sizeof(query), nullptr);
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.base),
                        SMTO_ABORTIFHUNG, 10000, &ok);
    char text[kTextSize + 1] = {};
    ReadProcessMemory(remote.process, remote.base + sizeof(TVITEMA), text, kTextSize, nullptr);
    return ok ? std::string(text) : std::string();
}

bool Matches(const std::string& text, const std::string& name)
{
    if (!name.empty() && name[0] == '*')
        return text.find(name.substr(1)) != std::string::npos;
    return lstrcmpiA(text.c_str(), name.c_str()) == 0;
}

HTREEITEM Next(HWND tree, UINT how, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Fail("usage: selectfolder HWND NAME...");
    const HWND browser =
        reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[1], nullptr, 0)));
    const HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
    if (!tree)
        return Fail("no tree view in the browser");

    DWORD pid = 0;
    GetWindowThreadProcessId(browser, &pid);
    Remote remote = {OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                 FALSE, pid),
                     nullptr};
    if (!remote.process)
        return Fail("OpenProcess");
    remote.base = static_cast<char*>(VirtualAllocEx(remote.process, nullptr,
                                                    sizeof(TVITEMA) + kTextSize + 1,
                                                    MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote.base)
        return Fail("VirtualAllocEx");

    int status = 0;
    // The root (the desktop) holds the first level.
    HTREEITEM parent = Next(tree, TVGN_ROOT, nullptr);
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    for (int i = 2; i < argc && status == 0; ++i) {
        HTREEITEM found = nullptr;
        std::string seen;
        for (HTREEITEM item = Next(tree, TVGN_CHILD, parent); item && !found;
             item = Next(tree, TVGN_NEXT, item)) {
            const std::string text = ItemText(remote, tree, item);
            seen += "[" + text + "]";
            if (Matches(text, argv[i]))
                found = item;
        }
        if (!found) {
            status = Fail(std::string("no item ") + argv[i] + " among " + seen);
            break;
        }
        if (i + 1 < argc)
            SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(found));
        else
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(found));
        parent = found;
    }
    if (status == 0)
        std::printf("{\"ok\":true}\n");
    VirtualFreeEx(remote.process, remote.base, 0, MEM_RELEASE);
    CloseHandle(remote.process);
    return status;
}
