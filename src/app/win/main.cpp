// The program's entry point: no command line is read.
#include <windows.h>

#include "app/win/run_clock.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return velmira::RunVelmiraClock(instance, velmira::StageEnvironment::System());
}
