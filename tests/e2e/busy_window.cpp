// For e2e.sh under Wine: prints "ready" once numconst's window has answered, then ends once the
// window leaves a message unanswered for a tenth of a second, as it does while a run is under way.
// It ends with 1 if the window does neither within 20 seconds.
#include <windows.h>

#include <cstdio>

int main()
{
    const HWND window = FindWindowW(nullptr, L"MainWindow");
    DWORD_PTR result = 0;
    for (int tries = 0; tries < 2000; ++tries, Sleep(10)) {
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 100, &result))
            return tries == 0;
        if (tries == 0 && std::puts("ready") >= 0)
            std::fflush(stdout);
    }
    return 1;
}
