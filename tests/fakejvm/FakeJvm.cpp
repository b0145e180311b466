#include "FakeJvm.h"

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace fakejvm {
namespace {

// A Java object of the fake heap. Only the kinds the launcher deals in.
struct Object {
    enum Kind { Class, String, ByteArray, ObjectArray, Throwable } kind;
    std::string name;                 // class name, or the throwable's class
    std::vector<unsigned char> bytes; // contents of a string or byte array
    std::vector<Object*> elements;    // contents of an object array
    bool storedInArray = false;       // a string that became an array element
};

// A local reference: a handle of its own, so that a deleted one is noticed
// when it is used again.
struct Ref {
    Object* object;
    bool deleted = false;
};

struct Method {
    Object* owner;
    std::string name;
    std::string signature;
    bool isStatic;
};

const char* const kStringClass = "java/lang/String";
const char* const kStringInit = "<init>";
const char* const kStringInitSignature = "([B)V";

struct Vm {
    Settings settings;
    std::vector<std::string> events;
    std::vector<std::unique_ptr<Object>> heap;
    std::vector<std::unique_ptr<Ref>> refs;
    std::vector<std::unique_ptr<Method>> methods;
    std::vector<std::unique_ptr<std::string>> utfBuffers;
    std::vector<std::pair<std::string, int>> occurrences;
    Object* pending = nullptr;
    bool created = false;
    bool attached = false;
    bool destroyed = false;
    bool argumentArrayMade = false;
    int argumentStrings = 0;
    Counts counts;
};

Vm* g_vm = nullptr;
EventSink g_sink = nullptr;

Vm& TheVm()
{
    if (!g_vm)
        g_vm = new Vm();
    return *g_vm;
}

void Record(const std::string& line)
{
    TheVm().events.push_back(line);
    if (g_sink)
        g_sink(line);
}

void Misuse(const std::string& what)
{
    Record("misuse " + what);
}

// True when the configured failure hits this occurrence of step.
bool Fails(const char* step)
{
    Vm& vm = TheVm();
    int count = 0;
    for (auto& item : vm.occurrences) {
        if (item.first == step) {
            count = ++item.second;
            break;
        }
    }
    if (count == 0) {
        vm.occurrences.emplace_back(step, 1);
        count = 1;
    }
    if (vm.settings.failStep != step)
        return false;
    return vm.settings.failAt == 0 || vm.settings.failAt == count;
}

Object* NewHeapObject(Object::Kind kind, const std::string& name)
{
    Vm& vm = TheVm();
    vm.heap.push_back(std::unique_ptr<Object>(new Object{kind, name, {}, {}, false}));
    return vm.heap.back().get();
}

jobject NewLocalRef(Object* object)
{
    Vm& vm = TheVm();
    vm.refs.push_back(std::unique_ptr<Ref>(new Ref{object, false}));
    ++vm.counts.localRefsCreated;
    return reinterpret_cast<jobject>(vm.refs.back().get());
}

// The object behind a reference, or null for a null or deleted one.
Object* Deref(jobject reference, const char* function)
{
    if (!reference)
        return nullptr;
    Ref* ref = reinterpret_cast<Ref*>(reference);
    if (ref->deleted) {
        Misuse(std::string(function) + " deleted reference");
        return nullptr;
    }
    return ref->object;
}

void Throw(const std::string& throwableClass)
{
    TheVm().pending = NewHeapObject(Object::Throwable, throwableClass);
}

// Checks made on entry to every JNIEnv function: the thread must still be
// attached, and only a few functions may be called with an exception pending.
void Enter(const char* function, bool allowedWithException = false)
{
    Vm& vm = TheVm();
    if (!vm.attached)
        Misuse(std::string(function) + " on a detached thread");
    if (vm.pending && !allowedWithException)
        Misuse(std::string(function) + " with an exception pending");
}

Object* FindOrMakeClass(const std::string& name)
{
    for (auto& object : TheVm().heap) {
        if (object->kind == Object::Class && object->name == name)
            return object.get();
    }
    return NewHeapObject(Object::Class, name);
}

std::string Hex(const std::vector<unsigned char>& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

// --- JNIEnv -----------------------------------------------------------------

jint JNICALL GetVersion(JNIEnv*)
{
    Enter("GetVersion");
    return JNI_VERSION_1_2;
}

jclass JNICALL FindClass(JNIEnv*, const char* name)
{
    Enter("FindClass");
    Record(std::string("findclass ") + (name ? name : "(null)"));
    const std::string className = name ? name : "";
    const bool isString = className == kStringClass;
    bool missing = className.empty() || className.find('.') != std::string::npos;
    if (isString ? Fails("stringclass") : Fails("findclass"))
        missing = true;
    if (missing) {
        Throw("java/lang/NoClassDefFoundError");
        return nullptr;
    }
    return static_cast<jclass>(NewLocalRef(FindOrMakeClass(className)));
}

jmethodID LookUpMethod(const char* function, jclass clazz, const char* name, const char* sig,
                       bool isStatic)
{
    Enter(function);
    Record(std::string("method ") + (name ? name : "(null)") + " " + (sig ? sig : "(null)"));
    Object* owner = Deref(clazz, function);
    if (!owner || owner->kind != Object::Class || !name || !sig) {
        Misuse(std::string(function) + " without a class");
        return nullptr;
    }
    const bool isStringInit =
        !isStatic && owner->name == kStringClass && std::strcmp(name, kStringInit) == 0;
    if (isStringInit) {
        if (std::strcmp(sig, kStringInitSignature) != 0 || Fails("stringinit")) {
            Throw("java/lang/NoSuchMethodError");
            return nullptr;
        }
    } else if (isStatic && std::strcmp(name, "main") == 0) {
        if (Fails("nomain"))
            return nullptr;
        if (Fails("nomain_exception")) {
            Throw("java/lang/NoSuchMethodError");
            return nullptr;
        }
    } else {
        // Nothing else exists in the fake's classes.
        Throw("java/lang/NoSuchMethodError");
        return nullptr;
    }
    Vm& vm = TheVm();
    vm.methods.push_back(std::unique_ptr<Method>(new Method{owner, name, sig, isStatic}));
    return reinterpret_cast<jmethodID>(vm.methods.back().get());
}

jmethodID JNICALL GetMethodID(JNIEnv*, jclass clazz, const char* name, const char* sig)
{
    return LookUpMethod("GetMethodID", clazz, name, sig, false);
}

jmethodID JNICALL GetStaticMethodID(JNIEnv*, jclass clazz, const char* name, const char* sig)
{
    return LookUpMethod("GetStaticMethodID", clazz, name, sig, true);
}

jbyteArray JNICALL NewByteArray(JNIEnv*, jsize length)
{
    Enter("NewByteArray");
    if (length < 0) {
        Throw("java/lang/NegativeArraySizeException");
        return nullptr;
    }
    if (Fails("newbytearray")) {
        Throw("java/lang/OutOfMemoryError");
        return nullptr;
    }
    Object* array = NewHeapObject(Object::ByteArray, "[B");
    array->bytes.assign(static_cast<std::size_t>(length), 0);
    return static_cast<jbyteArray>(NewLocalRef(array));
}

void JNICALL SetByteArrayRegion(JNIEnv*, jbyteArray array, jsize start, jsize length,
                                const jbyte* buffer)
{
    Enter("SetByteArrayRegion");
    Object* target = Deref(array, "SetByteArrayRegion");
    if (!target || target->kind != Object::ByteArray) {
        Misuse("SetByteArrayRegion without a byte array");
        return;
    }
    if (start < 0 || length < 0 ||
        static_cast<std::size_t>(start) + static_cast<std::size_t>(length) > target->bytes.size()) {
        Throw("java/lang/ArrayIndexOutOfBoundsException");
        return;
    }
    if (length > 0)
        std::memcpy(target->bytes.data() + start, buffer, static_cast<std::size_t>(length));
    if (Fails("newobject_exception"))
        Throw("java/lang/ArrayStoreException");
}

jobject NewObjectFrom(jclass clazz, jmethodID methodID, jobject bytes)
{
    Enter("NewObject");
    Object* owner = Deref(clazz, "NewObject");
    Method* method = reinterpret_cast<Method*>(methodID);
    if (!owner || !method || method->owner != owner || method->name != kStringInit) {
        Misuse("NewObject with a constructor of another class");
        return nullptr;
    }
    Object* source = Deref(bytes, "NewObject");
    if (!source || source->kind != Object::ByteArray) {
        Throw("java/lang/NullPointerException");
        return nullptr;
    }
    Vm& vm = TheVm();
    bool fails = Fails("newobject");
    if (vm.argumentArrayMade) {
        ++vm.argumentStrings;
        if (vm.settings.failStep == "argstring" &&
            (vm.settings.failAt == 0 || vm.settings.failAt == vm.argumentStrings))
            fails = true;
    }
    if (fails) {
        Throw("java/lang/OutOfMemoryError");
        return nullptr;
    }
    Object* text = NewHeapObject(Object::String, kStringClass);
    text->bytes = source->bytes;
    return NewLocalRef(text);
}

jobject JNICALL NewObject(JNIEnv*, jclass clazz, jmethodID methodID, ...)
{
    va_list args;
    va_start(args, methodID);
    jobject bytes = va_arg(args, jobject);
    va_end(args);
    return NewObjectFrom(clazz, methodID, bytes);
}

jobject JNICALL NewObjectV(JNIEnv*, jclass clazz, jmethodID methodID, va_list args)
{
    return NewObjectFrom(clazz, methodID, va_arg(args, jobject));
}

jobject JNICALL NewObjectA(JNIEnv*, jclass clazz, jmethodID methodID, const jvalue* args)
{
    return NewObjectFrom(clazz, methodID, args ? args[0].l : nullptr);
}

jobjectArray JNICALL NewObjectArray(JNIEnv*, jsize length, jclass elementClass, jobject initial)
{
    Enter("NewObjectArray");
    Object* elementType = Deref(elementClass, "NewObjectArray");
    if (!elementType || elementType->kind != Object::Class) {
        Misuse("NewObjectArray without an element class");
        return nullptr;
    }
    if (length < 0) {
        Throw("java/lang/NegativeArraySizeException");
        return nullptr;
    }
    if (Fails("newobjectarray")) {
        Throw("java/lang/OutOfMemoryError");
        return nullptr;
    }
    Object* array = NewHeapObject(Object::ObjectArray, "[L" + elementType->name + ";");
    array->elements.assign(static_cast<std::size_t>(length), Deref(initial, "NewObjectArray"));
    if (elementType->name == kStringClass)
        TheVm().argumentArrayMade = true;
    return static_cast<jobjectArray>(NewLocalRef(array));
}

void JNICALL SetObjectArrayElement(JNIEnv*, jobjectArray array, jsize index, jobject value)
{
    Enter("SetObjectArrayElement");
    Object* target = Deref(array, "SetObjectArrayElement");
    if (!target || target->kind != Object::ObjectArray) {
        Misuse("SetObjectArrayElement without an array");
        return;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= target->elements.size()) {
        Throw("java/lang/ArrayIndexOutOfBoundsException");
        return;
    }
    Object* element = Deref(value, "SetObjectArrayElement");
    if (element)
        element->storedInArray = true;
    target->elements[static_cast<std::size_t>(index)] = element;
}

const char* JNICALL GetStringUTFChars(JNIEnv*, jstring text, jboolean* isCopy)
{
    Enter("GetStringUTFChars");
    Object* source = Deref(text, "GetStringUTFChars");
    if (!source || source->kind != Object::String) {
        Misuse("GetStringUTFChars without a string");
        return nullptr;
    }
    if (Fails("utfchars")) {
        Throw("java/lang/OutOfMemoryError");
        return nullptr;
    }
    // The bytes are taken as UTF-8 already: the fake does no decoding.
    Vm& vm = TheVm();
    vm.utfBuffers.push_back(std::unique_ptr<std::string>(
        new std::string(source->bytes.begin(), source->bytes.end())));
    ++vm.counts.utfChars;
    if (isCopy)
        *isCopy = JNI_TRUE;
    return vm.utfBuffers.back()->c_str();
}

void JNICALL ReleaseStringUTFChars(JNIEnv*, jstring, const char* chars)
{
    Enter("ReleaseStringUTFChars", true);
    Vm& vm = TheVm();
    for (auto& buffer : vm.utfBuffers) {
        if (buffer && buffer->c_str() == chars) {
            buffer.reset();
            ++vm.counts.utfCharsReleased;
            return;
        }
    }
    Misuse("ReleaseStringUTFChars of chars not handed out");
}

void CallMain(jclass clazz, jmethodID methodID, jobject arguments)
{
    Enter("CallStaticVoidMethod");
    Object* owner = Deref(clazz, "CallStaticVoidMethod");
    Method* method = reinterpret_cast<Method*>(methodID);
    if (!owner || !method || method->owner != owner || !method->isStatic) {
        Misuse("CallStaticVoidMethod with a method of another class");
        return;
    }
    Record("main " + owner->name);
    Object* array = Deref(arguments, "CallStaticVoidMethod");
    if (!array || array->kind != Object::ObjectArray) {
        Misuse("CallStaticVoidMethod without an argument array");
    } else {
        for (Object* element : array->elements)
            Record(element ? "arg " + Hex(element->bytes) : std::string("arg null"));
    }

    const std::string& waitFile = TheVm().settings.mainWaitFile;
    if (!waitFile.empty()) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            if (std::FILE* file = std::fopen(waitFile.c_str(), "rb")) {
                std::fclose(file);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    if (Fails("throw"))
        Throw("java/lang/IllegalStateException");
}

void JNICALL CallStaticVoidMethod(JNIEnv*, jclass clazz, jmethodID methodID, ...)
{
    va_list args;
    va_start(args, methodID);
    jobject arguments = va_arg(args, jobject);
    va_end(args);
    CallMain(clazz, methodID, arguments);
}

void JNICALL CallStaticVoidMethodV(JNIEnv*, jclass clazz, jmethodID methodID, va_list args)
{
    CallMain(clazz, methodID, va_arg(args, jobject));
}

void JNICALL CallStaticVoidMethodA(JNIEnv*, jclass clazz, jmethodID methodID, const jvalue* args)
{
    CallMain(clazz, methodID, args ? args[0].l : nullptr);
}

jthrowable JNICALL ExceptionOccurred(JNIEnv*)
{
    Enter("ExceptionOccurred", true);
    Vm& vm = TheVm();
    return vm.pending ? static_cast<jthrowable>(NewLocalRef(vm.pending)) : nullptr;
}

jboolean JNICALL ExceptionCheck(JNIEnv*)
{
    Enter("ExceptionCheck", true);
    return TheVm().pending ? JNI_TRUE : JNI_FALSE;
}

void JNICALL ExceptionDescribe(JNIEnv*)
{
    Enter("ExceptionDescribe", true);
    Record("describe");
    Vm& vm = TheVm();
    ++vm.counts.describes;
    // As the real one: printed to the error stream, then cleared.
    if (vm.pending)
        std::fprintf(stderr, "Exception in thread \"main\" %s (fake VM)\n", vm.pending->name.c_str());
    vm.pending = nullptr;
}

void JNICALL ExceptionClear(JNIEnv*)
{
    Enter("ExceptionClear", true);
    TheVm().pending = nullptr;
}

void JNICALL DeleteLocalRef(JNIEnv*, jobject reference)
{
    Enter("DeleteLocalRef", true);
    if (!reference)
        return;
    Ref* ref = reinterpret_cast<Ref*>(reference);
    if (ref->deleted) {
        Misuse("DeleteLocalRef twice");
        return;
    }
    ref->deleted = true;
    ++TheVm().counts.localRefsDeleted;
}

// Any table entry the fake does not implement: calling one is a fault of
// the caller's, or a gap in the fake; either way the run must stop loudly.
void JNICALL Unimplemented()
{
    std::fputs("fake VM: a JNI function it does not implement was called\n", stderr);
    std::abort();
}

// --- JavaVM -------------------------------------------------------------------

JNIEnv g_env;
JavaVM g_javaVm;

int LeakedRefs()
{
    int leaked = 0;
    for (auto& ref : TheVm().refs) {
        if (ref->deleted)
            continue;
        const Object* object = ref->object;
        if (object->kind == Object::ByteArray ||
            (object->kind == Object::String && object->storedInArray))
            ++leaked;
    }
    return leaked;
}

jint JNICALL DestroyJavaVM(JavaVM*)
{
    Vm& vm = TheVm();
    Record("destroy");
    ++vm.counts.destroys;
    if (!vm.created)
        Misuse("DestroyJavaVM of a VM that was never created");
    else if (vm.destroyed)
        Misuse("DestroyJavaVM twice");
    vm.destroyed = true;
    Record("leaks " + std::to_string(LeakedRefs()));
    const int unreleased = vm.counts.utfChars - vm.counts.utfCharsReleased;
    Record("unreleased " + std::to_string(unreleased));
    return vm.created ? JNI_OK : JNI_ERR;
}

jint JNICALL AttachCurrentThread(JavaVM*, void** env, void*)
{
    Vm& vm = TheVm();
    if (!vm.created || vm.destroyed)
        return JNI_ERR;
    vm.attached = true;
    *env = &g_env;
    return JNI_OK;
}

jint JNICALL DetachCurrentThread(JavaVM*)
{
    Vm& vm = TheVm();
    Record("detach");
    ++vm.counts.detaches;
    if (!vm.attached)
        Misuse("DetachCurrentThread of a thread not attached");
    if (Fails("detach"))
        return JNI_ERR;
    vm.attached = false;
    return JNI_OK;
}

jint JNICALL GetEnv(JavaVM*, void** env, jint)
{
    Vm& vm = TheVm();
    if (!vm.attached) {
        *env = nullptr;
        return JNI_EDETACHED;
    }
    *env = &g_env;
    return JNI_OK;
}

template <typename Table>
void FillWithTraps(Table& table)
{
    void (JNICALL *trap)() = &Unimplemented;
    void* slots[sizeof(Table) / sizeof(void*)];
    for (void*& slot : slots)
        std::memcpy(&slot, &trap, sizeof(void*));
    std::memcpy(&table, slots, sizeof(Table));
}

const JNINativeInterface_* NativeInterface()
{
    static JNINativeInterface_ table = [] {
        JNINativeInterface_ t;
        FillWithTraps(t);
        t.GetVersion = &GetVersion;
        t.FindClass = &FindClass;
        t.GetMethodID = &GetMethodID;
        t.GetStaticMethodID = &GetStaticMethodID;
        t.NewByteArray = &NewByteArray;
        t.SetByteArrayRegion = &SetByteArrayRegion;
        t.NewObject = &NewObject;
        t.NewObjectV = &NewObjectV;
        t.NewObjectA = &NewObjectA;
        t.NewObjectArray = &NewObjectArray;
        t.SetObjectArrayElement = &SetObjectArrayElement;
        t.GetStringUTFChars = &GetStringUTFChars;
        t.ReleaseStringUTFChars = &ReleaseStringUTFChars;
        t.CallStaticVoidMethod = &CallStaticVoidMethod;
        t.CallStaticVoidMethodV = &CallStaticVoidMethodV;
        t.CallStaticVoidMethodA = &CallStaticVoidMethodA;
        t.ExceptionOccurred = &ExceptionOccurred;
        t.ExceptionCheck = &ExceptionCheck;
        t.ExceptionDescribe = &ExceptionDescribe;
        t.ExceptionClear = &ExceptionClear;
        t.DeleteLocalRef = &DeleteLocalRef;
        return t;
    }();
    return &table;
}

const JNIInvokeInterface_* InvokeInterface()
{
    static JNIInvokeInterface_ table = [] {
        JNIInvokeInterface_ t;
        FillWithTraps(t);
        t.DestroyJavaVM = &DestroyJavaVM;
        t.AttachCurrentThread = &AttachCurrentThread;
        t.DetachCurrentThread = &DetachCurrentThread;
        t.GetEnv = &GetEnv;
        t.AttachCurrentThreadAsDaemon = &AttachCurrentThread;
        return t;
    }();
    return &table;
}

bool IsSupportedVersion(jint version)
{
    return version == JNI_VERSION_1_2 || version == JNI_VERSION_1_4 ||
           version == JNI_VERSION_1_6 || version == JNI_VERSION_1_8 || version == JNI_VERSION_9 ||
           version == JNI_VERSION_10;
}

}  // namespace

bool ParseFailure(const std::string& text, Settings& settings)
{
    static const char* const steps[] = {
        "create",   "stringclass", "stringinit", "newbytearray",     "newobject",
        "newobject_exception", "utfchars", "findclass", "nomain", "nomain_exception",
        "newobjectarray", "argstring", "throw", "detach"};
    const std::string::size_type colon = text.find(':');
    const std::string step = text.substr(0, colon);
    int at = 0;
    if (colon != std::string::npos) {
        const std::string number = text.substr(colon + 1);
        char* end = nullptr;
        const long value = std::strtol(number.c_str(), &end, 10);
        if (number.empty() || *end != '\0' || value < 1 || value > 1000000)
            return false;
        at = static_cast<int>(value);
    }
    for (const char* known : steps) {
        if (step == known) {
            settings.failStep = step;
            settings.failAt = at;
            return true;
        }
    }
    return false;
}

void Reset(const Settings& settings)
{
    delete g_vm;
    g_vm = new Vm();
    g_vm->settings = settings;
}

void SetEventSink(EventSink sink)
{
    g_sink = sink;
}

const std::vector<std::string>& Events()
{
    return TheVm().events;
}

Counts CurrentCounts()
{
    Vm& vm = TheVm();
    Counts counts = vm.counts;
    counts.leaked = LeakedRefs();
    counts.exceptionPending = vm.pending != nullptr;
    return counts;
}

jint JNICALL CreateJavaVM(JavaVM** javaVm, void** env, void* args)
{
    Vm& vm = TheVm();
    const JavaVMInitArgs* initArgs = static_cast<const JavaVMInitArgs*>(args);
    if (!javaVm || !env || !initArgs) {
        Misuse("JNI_CreateJavaVM without its arguments");
        return JNI_EINVAL;
    }
    char header[96];
    std::snprintf(header, sizeof header, "create version=0x%08lx ignoreUnrecognized=%d nOptions=%ld",
                  static_cast<unsigned long>(initArgs->version),
                  static_cast<int>(initArgs->ignoreUnrecognized),
                  static_cast<long>(initArgs->nOptions));
    Record(header);

    jint result = JNI_OK;
    if (vm.created) {
        Misuse("JNI_CreateJavaVM a second time");
        result = JNI_EEXIST;
    } else if (!IsSupportedVersion(initArgs->version)) {
        result = JNI_EVERSION;
    }
    for (jint i = 0; i < initArgs->nOptions; ++i) {
        const char* option = initArgs->options ? initArgs->options[i].optionString : nullptr;
        if (!option) {
            Misuse("JNI_CreateJavaVM with a null option");
            result = JNI_EINVAL;
            continue;
        }
        Record(std::string("option ") + option);
        // An option the fake does not know, as a real VM refuses a misspelt one.
        if (std::strncmp(option, "-Xbogus", 7) == 0 && !initArgs->ignoreUnrecognized &&
            result == JNI_OK)
            result = JNI_EINVAL;
    }
    if (result == JNI_OK && Fails("create"))
        result = JNI_ERR;

    // On failure the pointers are left set, unlike a real VM: a caller that
    // trusts them after a failed creation is caught destroying a VM that
    // never existed.
    g_env.functions = NativeInterface();
    g_javaVm.functions = InvokeInterface();
    *javaVm = &g_javaVm;
    *env = &g_env;
    if (result != JNI_OK)
        return result;

    vm.created = true;
    vm.attached = true;
    return JNI_OK;
}

jint JNICALL GetDefaultJavaVMInitArgs(void* args)
{
    Record("defaults");
    const jint* version = static_cast<const jint*>(args);
    return version && IsSupportedVersion(*version) ? JNI_OK : JNI_EVERSION;
}

}  // namespace fakejvm
