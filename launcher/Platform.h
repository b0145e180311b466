#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "launcher/StringList.h"

// An opaque window handle: an HWND on Windows; always null elsewhere.
using WindowHandle = void*;

// The splash window as the run sequence sees it. Destroying the object
// destroys the window.
class Splash {
public:
    virtual ~Splash() = default;
    // The window, or null when none could be made.
    virtual WindowHandle Window() const = 0;
};

// How the JRE-not-found dialog ended, and what the user chose.
struct JreDialogResult {
    int endCode = -1;       // 1 OK, 2 Cancel, -1 the dialog could not be made
    std::string jreFolder;  // the folder chosen last, ending in a separator
    std::string jvmPath;    // the VM library under it
};

// Everything the launcher needs of the operating system. The run sequence,
// the configuration mapping, the JRE selection and the JNI call sequence
// use nothing else, so they can be tested with a fake platform and built
// for any system that implements this.
class Platform {
public:
    virtual ~Platform() = default;

    // Module set-up for the run: thread locale, COM, common controls, the
    // window framework. Shows its own message (no owner) on failure.
    virtual bool InitializeModule() = 0;
    // Undoes InitializeModule; runs on every path, also after it failed.
    virtual void TerminateModule() = 0;

    // The arguments for the Java main method, the launcher's own path removed.
    virtual StringList ProgramArguments() = 0;

    // Full path of the executable. False with the system's error code.
    virtual bool ModulePath(std::string& path, long& error) = 0;

    // The configuration file's path for the executable's path; false when
    // none can be formed.
    virtual bool ConfigurationPath(const std::string& modulePath, std::string& iniPath);

    // Folder separator: '\\' on Windows.
    virtual char PathSeparator() const { return '\\'; }

    // Reads a value the way GetPrivateProfileStringA does with an empty
    // default: copies at most size - 1 bytes and a NUL into buffer and
    // returns the number of bytes copied (size - 1 when the value was cut).
    virtual std::size_t ReadProfileString(const std::string& section, const std::string& key,
                                          char* buffer, std::size_t size,
                                          const std::string& iniPath) = 0;
    // Writes one value; creates the file, the section or the key when missing.
    virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& iniPath) = 0;

    // True when a file or folder of that name exists.
    virtual bool FileExists(const std::string& path) = 0;

    // The names of the installed JREs (the registry's version subkeys), in
    // the order the system lists them.
    virtual StringList InstalledJreNames() = 0;
    // The JRE home of one installed JRE as stored ("JavaHome"); false when
    // it cannot be read or holds no data.
    virtual bool InstalledJreHome(const std::string& name, std::string& home) = 0;

    // VM-library locations under a JRE home, relative, in probing order.
    virtual StringList VmLibraryLocations() const = 0;
    // The file that marks a folder as a JRE home, relative to it.
    virtual std::string RuntimeLibraryMarker() const = 0;

    // Lets the VM library find the runtime libraries of its JRE.
    virtual void UseLibraryFolder(const std::string& folder) = 0;
    // Loads a library; on failure returns null and error holds what the
    // message shows for "errno" (the system error code on Windows).
    virtual void* OpenLibrary(const std::string& path, std::string& error) = 0;
    // An exported function; null with error set as for OpenLibrary.
    virtual void* FindSymbol(void* library, const char* name, std::string& error) = 0;

    // A modal message box; returns what the system returned.
    virtual int ShowMessage(WindowHandle owner, const std::string& text, unsigned style) = 0;

    // Makes and shows the splash window for a bitmap file.
    virtual std::unique_ptr<Splash> OpenSplash(const std::string& imagePath, bool shadow) = 0;

    // The JRE-not-found dialog with its message, owned by the active window.
    virtual JreDialogResult ShowJreNotFound(const std::string& message) = 0;
};
