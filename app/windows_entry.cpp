// numconst.exe's entry point, which runs before the C runtime and every static initialiser.
//
// Windows looks for a DLL that is not one of its KnownDLLs in the program's own folder first, and
// for one loaded at run time in the current folder too, where anyone who can write there (into
// Downloads, say) could put a DLL of the same name. numconst.exe imports no such DLL directly: it
// delay-loads them, and from here on every DLL loaded by name, by the delay-load helper or by Qt,
// comes from Windows' system folder only. SetDefaultDllDirectories came with Windows 8 and with
// Windows 7's update KB2533623; without it, numconst runs as it would have anyway.
#include <windows.h>

extern "C" int WinMainCRTStartup(); // MinGW-w64's entry point for GUI programs

extern "C" int numconstStartup()
{
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI *)(DWORD);
    const FARPROC found =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (found)
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found))(
            LOAD_LIBRARY_SEARCH_SYSTEM32);
    return WinMainCRTStartup();
}
