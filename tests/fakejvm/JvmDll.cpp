// A test-only jvm.dll for the Windows builds: the fake VM of FakeJvm.cpp
// behind the two exports a Java VM library has. No Windows Java runtime can
// be had on the build machine, and a real one cannot be made to fail at
// every step; end-to-end tests under Wine load this instead.
//
// Controlled by the environment (Wine passes the Unix environment on):
//   FAKEJVM_RECORD          file to which one line per event is appended,
//                           bytes written raw: "create version=0x00010002
//                           ignoreUnrecognized=0 nOptions=N", "option <text>",
//                           "findclass <name>", "method <name> <signature>",
//                           "main <class>", "arg <hex of the bytes>" (one per
//                           argument, in order), "describe", "detach",
//                           "destroy", then "leaks <n>" and "unreleased <n>";
//                           "misuse <what>" marks a call against the JNI rules
//                           and "defaults" a call of
//                           JNI_GetDefaultJavaVMInitArgs. A Windows path
//                           (Z:\tmp\r.txt) or a Unix one (/tmp/r.txt).
//   FAKEJVM_FAIL            one failure step, "step" or "step:N" (see
//                           FakeJvm.h and README.md).
//   FAKEJVM_MAIN_WAIT_FILE  while main runs, wait until this file exists
//                           (at most 30 s); a Windows or a Unix path.
// Built without JNI_CreateJavaVM (FAKEJVM_NO_CREATE) or without
// JNI_GetDefaultJavaVMInitArgs (FAKEJVM_NO_DEFAULTS) it is a library that
// lacks one export; with FAKEJVM_NEEDS_RUNTIME it imports a function of
// fakejvmrt.dll, as a real VM library imports its runtime's DLLs.

#define _JNI_IMPLEMENTATION_
#include <jni.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "FakeJvm.h"

#ifdef FAKEJVM_NEEDS_RUNTIME
extern "C" __declspec(dllimport) int FakeJvmRuntimeVersion(void);
#endif

namespace {

// Wine maps the Unix root to drive Z:, so a Unix path is made a Windows one.
std::string WindowsPath(const char* path)
{
    std::string result = path;
    if (!result.empty() && result[0] == '/') {
        for (char& c : result) {
            if (c == '/')
                c = '\\';
        }
        result = "Z:" + result;
    }
    return result;
}

std::string g_recordPath;

void AppendToRecord(const std::string& line)
{
    if (g_recordPath.empty())
        return;
    // Opened per line so that every event is on disk even if the process
    // is killed or crashes afterwards.
    if (std::FILE* file = std::fopen(g_recordPath.c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

void Configure()
{
    static bool configured = false;
    if (configured)
        return;
    configured = true;

    if (const char* record = std::getenv("FAKEJVM_RECORD"))
        g_recordPath = WindowsPath(record);
    fakejvm::SetEventSink(&AppendToRecord);

    fakejvm::Settings settings;
    if (const char* fail = std::getenv("FAKEJVM_FAIL")) {
        if (*fail && !fakejvm::ParseFailure(fail, settings))
            AppendToRecord(std::string("misuse unknown FAKEJVM_FAIL ") + fail);
    }
    if (const char* wait = std::getenv("FAKEJVM_MAIN_WAIT_FILE"))
        settings.mainWaitFile = WindowsPath(wait);
    fakejvm::Reset(settings);
}

}  // namespace

extern "C" {

#ifndef FAKEJVM_NO_CREATE
JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** vm, void** env, void* args)
{
#ifdef FAKEJVM_NEEDS_RUNTIME
    if (FakeJvmRuntimeVersion() != 1)
        return JNI_ERR;
#endif
    Configure();
    return fakejvm::CreateJavaVM(vm, env, args);
}
#endif

#ifndef FAKEJVM_NO_DEFAULTS
JNIEXPORT jint JNICALL JNI_GetDefaultJavaVMInitArgs(void* args)
{
    Configure();
    return fakejvm::GetDefaultJavaVMInitArgs(args);
}
#endif

}  // extern "C"
