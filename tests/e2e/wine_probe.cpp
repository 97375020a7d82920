// For the tests under Wine. Given a text, it ends with 0 if Windows' clipboard holds text that
// begins with it: Wine has taken over what an X client put on the clipboard. Given none, it prints
// "ready" once numconst's window has answered, then ends once the window leaves a message
// unanswered for a tenth of a second, as it does while a run is under way; it ends with 1 if the
// window does neither within 20 seconds. Given --hold and a file, it holds the file open, as an
// editor does, prints "holding" and waits to be ended.
#include <cstdio>
#include <cstring>
#include <windows.h>

int main(int argc, char *argv[])
{
    if (argc > 2 && std::strcmp(argv[1], "--hold") == 0) {
        if (CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                        nullptr) == INVALID_HANDLE_VALUE ||
            std::puts("holding") < 0)
            return 1;
        std::fflush(stdout);
        Sleep(INFINITE);
    }
    if (argc > 1) {
        const HANDLE text = OpenClipboard(nullptr) ? GetClipboardData(CF_TEXT) : nullptr;
        const bool found = text && std::strncmp(static_cast<const char *>(GlobalLock(text)),
                                                argv[1], std::strlen(argv[1])) == 0;
        CloseClipboard();
        return found ? 0 : 1;
    }
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
