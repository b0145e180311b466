#pragma once
#include <windows.h>

#include "launcher/Platform.h"

// The launcher's platform on Windows: the Win32 calls behind each seam.
class WinPlatform : public Platform {
public:
    explicit WinPlatform(HINSTANCE instance) : instance_(instance) {}

    bool InitializeModule() override;
    void TerminateModule() override;
    StringList ProgramArguments() override;
    bool ModulePath(std::string& path, long& error) override;
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

    // The window half (WinPlatformUi.cpp).
    std::unique_ptr<Splash> OpenSplash(const std::string& imagePath, bool shadow) override;
    JreDialogResult ShowJreNotFound(const std::string& message) override;

private:
    // The window framework's module object (WinPlatformUi.cpp).
    HRESULT InitializeWindowModule();
    void TerminateWindowModule();

    HINSTANCE instance_;
    bool comInitialized_ = false;
    bool windowModuleInitialized_ = false;
};
