// For the tests under Wine. Given a text, it ends with 0 if Windows' clipboard holds text that
// begins with it: Wine has taken over what an X client put on the clipboard. Given --hold and a
// file, it holds the file open, as an editor does, prints "holding" and waits to be ended. Given
// --lock and a file, it takes Windows' clipboard with the text "taken" and keeps it open, as a
// clipboard manager does while it reads or writes it, prints "locked", and closes it once the file
// is gone, within 20 seconds, else ends with 1. Meanwhile it answers the messages sent to it: under
// Wine, a program that opens the clipboard first sends its owner one and waits up to 5 seconds.
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
    if (argc > 2 && std::strcmp(argv[1], "--lock") == 0) {
        const HGLOBAL taken = GlobalAlloc(GMEM_MOVEABLE, sizeof "taken");
        // Opened for a window of its own: Wine lets any other program open the clipboard that was
        // opened for none. Wine's own clipboard manager may have it open for a moment.
        const HWND window = CreateWindowA("STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr);
        const ULONGLONG opening = GetTickCount64() + 5000;
        while (!OpenClipboard(window) && GetTickCount64() < opening)
            Sleep(10);
        if (!taken || !window || GetOpenClipboardWindow() != window)
            return 1;
        std::memcpy(GlobalLock(taken), "taken", sizeof "taken");
        GlobalUnlock(taken);
        if (!EmptyClipboard() || !SetClipboardData(CF_TEXT, taken) || std::puts("locked") < 0)
            return 1;
        std::fflush(stdout);
        const ULONGLONG deadline = GetTickCount64() + 20000;
        bool held;
        MSG message;
        while ((held = GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES) &&
               GetTickCount64() < deadline) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return CloseClipboard() && !held ? 0 : 1;
    }
    const HANDLE text = OpenClipboard(nullptr) ? GetClipboardData(CF_TEXT) : nullptr;
    const bool found = argc > 1 && text &&
                       std::strncmp(static_cast<const char *>(GlobalLock(text)), argv[1],
                                    std::strlen(argv[1])) == 0;
    CloseClipboard();
    return found ? 0 : 1;
}
