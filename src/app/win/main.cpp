// The program's entry point: no command line is read.
#include <windows.h>

#include "app/win/main_stage.h"
#include "app/win/stage_environment.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return velmira::RunVelmiraClock(instance, velmira::StageEnvironment::System());
}
