#!/bin/sh
# Checks the test jvm.dll variants as the Windows loader will see them:
# which invocation entries each exports (undecorated, also on 32-bit), and
# that each imports only Windows' own DLLs (plus fakejvmrt.dll where that is
# the point).
#   check-exports.sh OBJDUMP FOLDER
objdump="$1"
out="$2"
failed=0

exports() {
    "$objdump" -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p'
}

imports() {
    "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'
}

# expect DLL NAME present|absent
expect() {
    if exports "$1" | grep -qx "$2"; then found=present; else found=absent; fi
    if [ "$found" != "$3" ]; then
        echo "FAIL: $1: $2 is $found, expected $3"
        failed=1
    fi
}

# only_windows_imports DLL [ALSO_ALLOWED]
only_windows_imports() {
    for dll in $(imports "$1"); do
        case "$dll" in
        kernel32.dll|msvcrt.dll|user32.dll|advapi32.dll|ntdll.dll|api-ms-win-*) ;;
        "$2") ;;
        *) echo "FAIL: $1 imports $dll"; failed=1 ;;
        esac
    done
    if [ -z "$(imports "$1")" ]; then
        echo "FAIL: $1: no imports read"
        failed=1
    fi
}

for dll in "$out/jvm.dll" "$out/nocreate/jvm.dll" "$out/nodefaults/jvm.dll" \
           "$out/needsrt/jvm.dll" "$out/needsrt/fakejvmrt.dll"; do
    [ -f "$dll" ] || { echo "FAIL: $dll missing"; failed=1; }
done
[ $failed -eq 0 ] || exit 1

expect "$out/jvm.dll" JNI_CreateJavaVM present
expect "$out/jvm.dll" JNI_GetDefaultJavaVMInitArgs present
expect "$out/nocreate/jvm.dll" JNI_CreateJavaVM absent
expect "$out/nocreate/jvm.dll" JNI_GetDefaultJavaVMInitArgs present
expect "$out/nodefaults/jvm.dll" JNI_CreateJavaVM present
expect "$out/nodefaults/jvm.dll" JNI_GetDefaultJavaVMInitArgs absent
expect "$out/needsrt/jvm.dll" JNI_CreateJavaVM present
expect "$out/needsrt/jvm.dll" JNI_GetDefaultJavaVMInitArgs present
expect "$out/needsrt/fakejvmrt.dll" FakeJvmRuntimeVersion present

# No decorated name (JNI_CreateJavaVM@12) may be left beside the plain one.
for dll in "$out/jvm.dll" "$out/nocreate/jvm.dll" "$out/nodefaults/jvm.dll" "$out/needsrt/jvm.dll"; do
    if exports "$dll" | grep -q '@'; then
        echo "FAIL: $dll exports a decorated name: $(exports "$dll" | grep '@')"
        failed=1
    fi
    if [ "$(exports "$dll" | grep -cv '^JNI_')" -ne 0 ]; then
        echo "FAIL: $dll exports more than the invocation entries: $(exports "$dll" | grep -v '^JNI_')"
        failed=1
    fi
done

only_windows_imports "$out/jvm.dll"
only_windows_imports "$out/nocreate/jvm.dll"
only_windows_imports "$out/nodefaults/jvm.dll"
only_windows_imports "$out/needsrt/fakejvmrt.dll"
only_windows_imports "$out/needsrt/jvm.dll" fakejvmrt.dll
if ! imports "$out/needsrt/jvm.dll" | grep -qx fakejvmrt.dll; then
    echo "FAIL: $out/needsrt/jvm.dll does not import fakejvmrt.dll"
    failed=1
fi

[ $failed -eq 0 ] && echo "all export and import checks passed"
exit $failed
