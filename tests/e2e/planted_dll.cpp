// Planted beside numconst.exe under the name of a DLL that Windows has: if it is ever loaded, it
// leaves a file named after itself, with ".ran" added.
#include <cwchar>
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    wchar_t trace[MAX_PATH + 4];
    if (reason == DLL_PROCESS_ATTACH && GetModuleFileNameW(self, trace, MAX_PATH)) {
        std::wcscat(trace, L".ran");
        CloseHandle(CreateFileW(trace, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return TRUE;
}
