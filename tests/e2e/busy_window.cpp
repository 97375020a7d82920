// For e2e.sh under Wine: prints "ready" once numconst's window has answered, then ends once the
// window leaves a message unanswered for a tenth of a second, as it does while a run is under way.
// It ends with 1 if the window does neither within 20 seconds.
#include <windows.h>

#include <cstdio>

namespace {

bool answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 100, &result) != 0;
}

} // namespace

int main()
{
    const HWND window = FindWindowW(nullptr, L"MainWindow");
    if (!window || !answers(window))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    for (int tries = 0; answers(window); ++tries, Sleep(10))
        if (tries == 2000)
            return 1;
    return 0;
}
