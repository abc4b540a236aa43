// quorvex.exe
#include <windows.h>

#include "app/win32/Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return qv::app::RunProgram(); }
