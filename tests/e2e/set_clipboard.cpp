// For the end-to-end run under Wine: puts one character on the Windows clipboard, given as its
// hexadecimal UTF-16 code (ff0c for the full-width comma), so that no locale can change it.
#include <cstdlib>
#include <cwchar>
#include <windows.h>

int main(int, char *argv[])
{
    const wchar_t text[] = {static_cast<wchar_t>(std::strtoul(argv[1], nullptr, 16)), 0};
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    std::wcscpy(static_cast<wchar_t *>(GlobalLock(memory)), text);
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr))
        return 1;
    const bool set = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    return CloseClipboard() && set ? 0 : 1;
}
