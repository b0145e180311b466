#pragma once
#include <jni.h>

#include <memory>
#include <string>

#include "jre/JavaVersion.h"
#include "launcher/Platform.h"
#include "launcher/StringList.h"

using CreateJavaVmFunction = jint(JNICALL*)(JavaVM**, void**, void*);
using GetDefaultJavaVmInitArgsFunction = jint(JNICALL*)(void*);

// The state of one run. One exists for the whole run; it owns every string
// and list of the run, the splash window and the VM handle.
class Launcher {
public:
    explicit Launcher(Platform& platform);
    // The teardown: closes the splash, destroys the VM.
    ~Launcher();

    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // Command line, splash, configuration and JRE lookup. True when jvmPath
    // names a VM library to load.
    bool Prepare();
    // Loads the VM, creates it and calls main: the exit code, 0 or -1.
    int Run();

    Platform& platform;

    std::string jvmPath;
    JavaVM* javaVm = nullptr;
    JNIEnv* jniEnv = nullptr;
    std::string mainClass;
    JavaVersion jreVersion;
    JavaVersion minVersion;
    JavaVersion maxVersion;
    StringList arguments;
    std::unique_ptr<Splash> splash;
    WindowHandle messageOwner = nullptr;
    StringList vmOptions;
    StringList preferredVersions;
    std::string jrePath;
    CreateJavaVmFunction createJavaVm = nullptr;
    GetDefaultJavaVmInitArgsFunction getDefaultJavaVmInitArgs = nullptr;

private:
    bool LookUpJre();
    bool AskForJre();
};

// The whole run as the process entry performs it: module set-up, Prepare,
// Run, teardown. Returns the process exit code, 0 or -1.
int RunLauncher(Platform& platform);

// Closes the splash window, if any (first step of the teardown).
void CloseSplash(Launcher& launcher);
