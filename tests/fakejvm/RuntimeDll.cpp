// fakejvmrt.dll: stands for the runtime DLLs that a real VM library imports
// from its JRE's bin folder, so that a test can see whether the launcher
// lets the VM library find them.
extern "C" __declspec(dllexport) int FakeJvmRuntimeVersion(void)
{
    return 1;
}
