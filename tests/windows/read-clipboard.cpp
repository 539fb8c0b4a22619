// Prints the Windows clipboard's text as UTF-8, byte for byte: Wine turns CR LF
// into LF when it hands the clipboard to X, so the check reads it from inside.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

int main()
{
    if (!OpenClipboard(nullptr))
        return 1;
    int status = 0;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *text = static_cast<const wchar_t *>(GlobalLock(data))) {
            const int size =
                WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
            std::string utf8(static_cast<std::size_t>(size), '\0');
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
            _setmode(_fileno(stdout), _O_BINARY);
            std::fwrite(utf8.data(), 1, utf8.size() - 1, stdout); // without the NUL
            GlobalUnlock(data);
        } else {
            status = 1;
        }
    } // no text on the clipboard: nothing to print
    CloseClipboard();
    return status;
}
