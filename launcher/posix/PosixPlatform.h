#pragma once
#include <string>
#include <vector>

#include "launcher/Platform.h"

// The launcher's platform on Linux and other POSIX systems: the
// executable's path from /proc, an INI file handled by the launcher itself,
// the installed JDKs under one folder (/usr/lib/jvm) in place of a
// registry, dlopen for the VM library, and standard error in place of
// every window.
class PosixPlatform : public Platform {
public:
    // jvmRoot is the folder that holds the installed runtimes, one per
    // subfolder with a "release" file.
    PosixPlatform(int argc, char** argv, std::string jvmRoot);

    // The runtimes folder: $LAUNCHER_JVM_ROOT when set, else /usr/lib/jvm.
    static std::string DefaultJvmRoot();

    bool InitializeModule() override;
    void TerminateModule() override;
    StringList ProgramArguments() override;
    bool ModulePath(std::string& path, long& error) override;
    bool ConfigurationPath(const std::string& modulePath, std::string& iniPath) override;
    char PathSeparator() const override { return '/'; }
    std::size_t ReadProfileString(const std::string& section, const std::string& key,
                                  char* buffer, std::size_t size,
                                  const std::string& iniPath) override;
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value, const std::string& iniPath) override;
    bool FileExists(const std::string& path) override;
    StringList InstalledJreNames() override;
    bool InstalledJreHome(const std::string& name, std::string& home) override;
    StringList VmLibraryLocations() const override;
    std::string RuntimeLibraryMarker() const override;
    void UseLibraryFolder(const std::string& folder) override;
    void* OpenLibrary(const std::string& path, std::string& error) override;
    void* FindSymbol(void* library, const char* name, std::string& error) override;
    int ShowMessage(WindowHandle owner, const std::string& text, unsigned style) override;
    std::unique_ptr<Splash> OpenSplash(const std::string& imagePath, bool shadow) override;
    JreDialogResult ShowJreNotFound(const std::string& message) override;

private:
    // One installed runtime: its version name and its home folder.
    struct Installed {
        std::string name;
        std::string home;
    };
    std::vector<Installed> ScanJvmRoot() const;

    StringList arguments_;
    std::string jvmRoot_;
    std::vector<Installed> installed_;  // as of the last InstalledJreNames
};

// The JAVA_VERSION of a runtime's "release" file text; false when absent.
bool ReleaseJavaVersion(const std::string& releaseText, std::string& version);
