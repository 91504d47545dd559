// morvane_holdfile FILE SIGNAL MILLISECONDS
//
// Holds FILE open without letting it be deleted or replaced, as virus
// scanners, search indexers and cloud-sync tools do with a freshly written
// file; says "held" on its output once it does, and lets go MILLISECONDS
// after the file SIGNAL appears (or after ten seconds, whatever comes).
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>

int main()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 4)
        return 2;
    const HANDLE file = CreateFileW(arguments[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    for (int waited = 0; waited < 10000 && GetFileAttributesW(arguments[2]) == INVALID_FILE_ATTRIBUTES; ++waited)
        Sleep(1);
    Sleep(DWORD(std::wcstoul(arguments[3], nullptr, 10)));
    CloseHandle(file);
    LocalFree(arguments);
    return 0;
}
