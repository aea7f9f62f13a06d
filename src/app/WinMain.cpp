// Entry point: the application object runs its start-up hook once and the
// process ends with the outcome it recorded.
#include <windows.h>

#include "app/TheApp.h"

TheApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    theApp.InitInstance();
    return theApp.m_nExitCode;
}
