#include <windows.h>

// The launcher arrives with the window toolkit; until then the program says
// what it is, so a build can be started and looked at.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr,
                L"Quorvex Tidewell: the launcher and its eight tools are being built.",
                L"Quorvex System Optimizer", MB_OK | MB_ICONINFORMATION);
    return 0;
}
