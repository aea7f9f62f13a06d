/* Stand-in for the Pictomaze uninstaller. Removing an installation is not the
   setup's business; this program only says that it is a placeholder. */
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE prev, PWSTR cmdLine, int show)
{
    (void)instance; (void)prev; (void)cmdLine; (void)show;
    MessageBoxW(NULL, L"Stand-in uninstaller: nothing was removed.", L"Pictomaze deinstallieren",
                MB_OK | MB_ICONINFORMATION);
    return 0;
}
