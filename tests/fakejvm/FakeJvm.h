#pragma once
// A test double of a Java VM: just enough of the JNI invocation interface and
// of the JNIEnv function table for the launcher's VM host, recording what it
// was given and failing on purpose at any one step.
//
// It exists for what the real JVM cannot be made to do (GetStringUTFChars
// returning null, DetachCurrentThread failing, a library without one of its
// exports) and for the Windows builds, for which no Java runtime can be had
// on the build machine. The real JVM is tested separately on Linux.
//
// One fake VM per process, as with a real one; Reset() starts a new one for
// the next test.

#include <jni.h>

#include <string>
#include <vector>

namespace fakejvm {

// Where the fake fails, one step at a time. The names are also the values
// of FAKEJVM_FAIL for the test jvm.dll (see README.md).
struct Settings {
    // Empty: nothing fails. Otherwise one of: create, stringclass,
    // stringinit, newbytearray, newobject, newobject_exception, utfchars,
    // findclass, nomain, nomain_exception, newobjectarray, argstring,
    // throw, detach.
    std::string failStep;
    // 0: the step fails every time. N > 0: only its N-th occurrence fails
    // (for argstring: the string of the N-th program argument).
    int failAt = 0;
    // While main runs, wait until this file exists (at most 30 s).
    std::string mainWaitFile;
};

// Parses "step" or "step:N" into settings; false for an unknown step.
bool ParseFailure(const std::string& text, Settings& settings);

// Discards the current fake VM and everything it recorded.
void Reset(const Settings& settings = Settings());

// Receives every recorded event line as it happens (the DLL writes them to
// its record file). Null: none.
using EventSink = void (*)(const std::string& line);
void SetEventSink(EventSink sink);

// What the fake was given, in order: "create version=0x00010002
// ignoreUnrecognized=0 nOptions=N", "option <text>", "findclass <name>",
// "method <name> <signature>", "main <class>", "arg <hex>", "describe",
// "detach", "destroy", "leaks <n>", "unreleased <n>", and "misuse <what>"
// for a call that breaks the JNI rules.
const std::vector<std::string>& Events();

// Counts of the current fake VM.
struct Counts {
    int localRefsCreated = 0;
    int localRefsDeleted = 0;
    // Live local references to byte arrays and to strings stored in an
    // array: the ones a caller must delete as soon as it has used them.
    int leaked = 0;
    int utfChars = 0;          // GetStringUTFChars results handed out
    int utfCharsReleased = 0;  // ... and given back
    int describes = 0;
    int detaches = 0;
    int destroys = 0;
    bool exceptionPending = false;
};
Counts CurrentCounts();

// The invocation entry points, as the VM library exports them.
jint JNICALL CreateJavaVM(JavaVM** vm, void** env, void* args);
jint JNICALL GetDefaultJavaVMInitArgs(void* args);

}  // namespace fakejvm
