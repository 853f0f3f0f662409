// boxreader CAPTION TIMEOUT_MS: waits for a top-level window with that caption (a message box of
// the program under test, in the same Wine prefix) and prints what a test needs to know of it:
//   text: the box's message as hexadecimal bytes (code page 1252)
//   owner: none, or the owner window's handle
// Exits 0 when the box was found, 1 when none appeared in time. It leaves the box open.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: boxreader CAPTION TIMEOUT_MS\n");
        return 2;
    }
    const DWORD dwTimeout = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
    const DWORD dwStart = GetTickCount();
    HWND hBox = nullptr;
    while ((hBox = FindWindowA(nullptr, argv[1])) == nullptr)
    {
        if (GetTickCount() - dwStart > dwTimeout)
        {
            std::printf("no box\n");
            return 1;
        }
        Sleep(50);
    }
    // The static control of a message box's text has the identifier 0xFFFF.
    char szText[1024] = "";
    GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof szText);
    std::printf("text:");
    for (const char* p = szText; *p != '\0'; ++p)
    {
        std::printf(" %02x", static_cast<unsigned char>(*p));
    }
    std::printf("\n");
    HWND hOwner = GetWindow(hBox, GW_OWNER);
    if (hOwner == nullptr)
    {
        std::printf("owner: none\n");
    }
    else
    {
        std::printf("owner: %p\n", static_cast<void*>(hOwner));
    }
    return 0;
}
