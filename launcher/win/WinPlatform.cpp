#include "launcher/win/WinPlatform.h"

#include <commctrl.h>
#include <objbase.h>

#include <vector>

#include "launcher/CommandLine.h"
#include "launcher/ErrorReport.h"
#include "launcher/Messages.h"
#include "launcher/win/Handles.h"
#include "launcher/win/Registry.h"

namespace {

constexpr const char* kJreKey = "Software\\JavaSoft\\Java Runtime Environment";

}  // namespace

bool WinPlatform::InitializeModule()
{
    // Character classification of the command line uses the thread locale.
    SetThreadLocale(GetSystemDefaultLCID());

    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com)) {
        ReportErrorCode(*this, nullptr, Messages::kComError, Messages::kFailedToInitialize,
                        static_cast<long>(com));
        return false;
    }
    comInitialized_ = true;

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);

    const HRESULT module = InitializeWindowModule();
    if (FAILED(module)) {
        ReportErrorCode(*this, nullptr, Messages::kComError, Messages::kFailedToInitializeModule,
                        static_cast<long>(module));
        return false;
    }
    windowModuleInitialized_ = true;
    return true;
}

void WinPlatform::TerminateModule()
{
    if (windowModuleInitialized_)
        TerminateWindowModule();
    windowModuleInitialized_ = false;
    // Balanced with a successful CoInitializeEx only: a failed one entered
    // no apartment to leave.
    if (comInitialized_)
        CoUninitialize();
    comInitialized_ = false;
}

StringList WinPlatform::ProgramArguments()
{
    StringList arguments;
    BuildArgumentList(GetCommandLineA(), arguments);
    return arguments;
}

bool WinPlatform::ModulePath(std::string& path, long& error)
{
    // A path that fills the buffer may have been cut: grow until it fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            error = static_cast<long>(GetLastError());
            return false;
        }
        if (length < buffer.size()) {
            path.assign(buffer.data(), length);
            return true;
        }
        if (buffer.size() >= 32768 * 4) {
            error = ERROR_INSUFFICIENT_BUFFER;
            return false;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::size_t WinPlatform::ReadProfileString(const std::string& section, const std::string& key,
                                           char* buffer, std::size_t size,
                                           const std::string& iniPath)
{
    return GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                    static_cast<DWORD>(size), iniPath.c_str());
}

bool WinPlatform::WriteProfileString(const std::string& section, const std::string& key,
                                     const std::string& value, const std::string& iniPath)
{
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      iniPath.c_str()) != FALSE;
}

bool WinPlatform::FileExists(const std::string& path)
{
    WIN32_FIND_DATAA data;
    UniqueFindHandle found(FindFirstFileA(path.c_str(), &data));
    return static_cast<bool>(found);
}

StringList WinPlatform::InstalledJreNames()
{
    UniqueRegKey key = OpenRegistryKey(HKEY_LOCAL_MACHINE, kJreKey);
    return ListSubkeys(key.Get());
}

bool WinPlatform::InstalledJreHome(const std::string& name, std::string& home)
{
    UniqueRegKey key = OpenRegistryKey(HKEY_LOCAL_MACHINE, std::string(kJreKey) + "\\" + name);
    return ReadRegistryString(key.Get(), "JavaHome", home);
}

StringList WinPlatform::VmLibraryLocations() const
{
    return {"bin\\client\\jvm.dll", "bin\\server\\jvm.dll", "bin\\classic\\jvm.dll",
            "bin\\hotspot\\jvm.dll"};
}

std::string WinPlatform::RuntimeLibraryMarker() const
{
    return "bin\\java.dll";
}

void WinPlatform::UseLibraryFolder(const std::string& folder)
{
    SetDllDirectoryA(folder.c_str());
}

void* WinPlatform::OpenLibrary(const std::string& path, std::string& error)
{
    HMODULE library = LoadLibraryA(path.c_str());
    if (!library)
        error = std::to_string(static_cast<long>(GetLastError()));
    // Never freed: the VM library stays with the process.
    return reinterpret_cast<void*>(library);
}

void* WinPlatform::FindSymbol(void* library, const char* name, std::string& error)
{
    FARPROC function = GetProcAddress(static_cast<HMODULE>(library), name);
    if (!function)
        error = std::to_string(static_cast<long>(GetLastError()));
    return reinterpret_cast<void*>(function);
}

int WinPlatform::ShowMessage(WindowHandle owner, const std::string& text, unsigned style)
{
    return MessageBoxA(static_cast<HWND>(owner), text.c_str(), nullptr, style);
}
