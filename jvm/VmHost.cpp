#include "jvm/VmHost.h"

#include <vector>

#include "launcher/Chars.h"
#include "launcher/ErrorReport.h"
#include "launcher/Launcher.h"
#include "launcher/Messages.h"

std::string RuntimeBinFolder(const std::string& jvmPath, char separator)
{
    const std::string marker = std::string("bin") + separator;
    std::string::size_type found = std::string::npos;
    const char* begin = jvmPath.c_str();
    for (const char* p = begin; *p; p = NextChar(p)) {
        if (jvmPath.compare(static_cast<std::string::size_type>(p - begin), marker.size(),
                            marker) == 0)
            found = static_cast<std::string::size_type>(p - begin);
    }
    if (found == std::string::npos)
        return std::string();
    return jvmPath.substr(0, found + marker.size());
}

bool LoadVmLibrary(Launcher& launcher)
{
    Platform& platform = launcher.platform;

    // The VM library imports runtime libraries that its JRE keeps in bin;
    // the system's search order would not look there.
    const std::string binFolder = RuntimeBinFolder(launcher.jvmPath, platform.PathSeparator());
    if (!binFolder.empty())
        platform.UseLibraryFolder(binFolder);

    std::string error;
    void* library = platform.OpenLibrary(launcher.jvmPath, error);
    if (!library) {
        ReportErrorCode(platform, launcher.messageOwner, Messages::kVmLibraryLoad,
                        launcher.jvmPath, error);
        return false;
    }

    // Both entries must be there; the message names the first for either.
    void* create = platform.FindSymbol(library, "JNI_CreateJavaVM", error);
    launcher.createJavaVm = reinterpret_cast<CreateJavaVmFunction>(create);
    void* defaults = create ? platform.FindSymbol(library, "JNI_GetDefaultJavaVMInitArgs", error)
                            : nullptr;
    launcher.getDefaultJavaVmInitArgs = reinterpret_cast<GetDefaultJavaVmInitArgsFunction>(defaults);
    if (!create || !defaults) {
        ReportErrorCode(platform, launcher.messageOwner, Messages::kWindowsException,
                        Messages::kNoCreateJavaVm, error);
        return false;
    }
    return true;
}

bool CreateVm(Launcher& launcher)
{
    std::vector<JavaVMOption> options;
    options.reserve(launcher.vmOptions.size());
    for (const std::string& option : launcher.vmOptions) {
        JavaVMOption item;
        item.optionString = const_cast<char*>(option.c_str());
        item.extraInfo = nullptr;
        options.push_back(item);
    }

    JavaVMInitArgs args;
    args.version = JNI_VERSION_1_2;
    args.nOptions = static_cast<jint>(options.size());
    args.options = options.data();
    args.ignoreUnrecognized = JNI_FALSE;

    const jint result = launcher.createJavaVm(&launcher.javaVm,
                                              reinterpret_cast<void**>(&launcher.jniEnv), &args);
    if (result != JNI_OK) {
        // Teardown destroys any VM it sees: make sure it sees none.
        launcher.javaVm = nullptr;
        launcher.jniEnv = nullptr;
        ReportErrorText(launcher.platform, launcher.messageOwner, Messages::kJniException,
                        Messages::kVmCreation);
        return false;
    }
    return true;
}

jstring NewPlatformString(Launcher& launcher, const std::string& text)
{
    JNIEnv* env = launcher.jniEnv;
    jclass stringClass = env->FindClass("java/lang/String");
    if (!stringClass)
        return nullptr;
    jmethodID constructor = env->GetMethodID(stringClass, "<init>", "([B)V");
    if (!constructor)
        return nullptr;
    const jsize length = static_cast<jsize>(text.size());
    jbyteArray bytes = env->NewByteArray(length);
    if (!bytes)
        return nullptr;
    env->SetByteArrayRegion(bytes, 0, length, reinterpret_cast<const jbyte*>(text.data()));
    jstring result = nullptr;
    if (!env->ExceptionOccurred())
        result = static_cast<jstring>(env->NewObject(stringClass, constructor, bytes));
    env->DeleteLocalRef(bytes);
    return result;
}

jobjectArray NewArgumentArray(Launcher& launcher, const StringList& items)
{
    JNIEnv* env = launcher.jniEnv;
    jclass stringClass = env->FindClass("java/lang/String");
    if (!stringClass)
        return nullptr;
    jobjectArray array =
        env->NewObjectArray(static_cast<jsize>(items.size()), stringClass, nullptr);
    if (!array)
        return nullptr;
    for (StringList::size_type i = 0; i < items.size(); ++i) {
        jstring item = NewPlatformString(launcher, items[i]);
        if (!item)
            return nullptr;
        env->SetObjectArrayElement(array, static_cast<jsize>(i), item);
        env->DeleteLocalRef(item);
    }
    return array;
}

bool InvokeMainClass(Launcher& launcher)
{
    JNIEnv* env = launcher.jniEnv;
    Platform& platform = launcher.platform;

    jstring className = NewPlatformString(launcher, launcher.mainClass);
    if (!className) {
        ReportErrorText(platform, launcher.messageOwner, Messages::kMainClassLoad,
                        launcher.mainClass);
        return false;
    }
    const char* utfName = env->GetStringUTFChars(className, nullptr);
    if (!utfName) {
        env->ExceptionDescribe();
        return false;
    }
    jclass mainClass = env->FindClass(utfName);
    if (!mainClass) {
        env->ExceptionDescribe();
        ReportErrorText(platform, launcher.messageOwner, Messages::kMainClassNotFound, utfName);
        env->ReleaseStringUTFChars(className, utfName);
        return false;
    }
    env->ReleaseStringUTFChars(className, utfName);

    jmethodID mainMethod = env->GetStaticMethodID(mainClass, "main", "([Ljava/lang/String;)V");
    if (!mainMethod) {
        if (env->ExceptionOccurred())
            env->ExceptionDescribe();
        else
            ReportError(platform, Messages::kNoMainMethod, launcher.messageOwner);
        return false;
    }

    jobjectArray arguments = NewArgumentArray(launcher, launcher.arguments);
    if (!arguments) {
        env->ExceptionDescribe();
        return false;
    }

    env->CallStaticVoidMethod(mainClass, mainMethod, arguments);
    if (env->ExceptionOccurred())
        env->ExceptionDescribe();

    return launcher.javaVm->DetachCurrentThread() == JNI_OK;
}

void DestroyVm(Launcher& launcher)
{
    if (launcher.javaVm)
        launcher.javaVm->DestroyJavaVM();
}
