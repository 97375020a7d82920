// For the tests under Wine. Given a text, it ends with 0 if Windows' clipboard holds text that
// begins with it: Wine has taken over what an X client put on the clipboard. Given --hold and a
// file, it holds the file open, as an editor does, prints "holding" and waits to be ended.
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
    const HANDLE text = OpenClipboard(nullptr) ? GetClipboardData(CF_TEXT) : nullptr;
    const bool found = argc > 1 && text &&
                       std::strncmp(static_cast<const char *>(GlobalLock(text)), argv[1],
                                    std::strlen(argv[1])) == 0;
    CloseClipboard();
    return found ? 0 : 1;
}
