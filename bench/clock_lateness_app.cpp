// The program with a probe on each second's hand-over: when the process ends
// it writes, one per line, how many milliseconds after the wall-clock second
// boundary each DrawSecondHand ran. The log goes to the file named by
// VELMIRA_LATENESS_LOG. Used by bench/clock_cpu.py; never shipped.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "app/win/run_clock.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::vector<int> lateness;
    lateness.reserve(4096);
    velmira::TClocker::secondProbe = [&lateness](const SYSTEMTIME& st) {
        lateness.push_back(st.wMilliseconds);
    };
    const int rc = velmira::RunVelmiraClock(instance, velmira::StageEnvironment::System());
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VELMIRA_LATENESS_LOG", path, MAX_PATH)) {
        if (FILE* f = std::fopen(path, "w")) {
            for (int ms : lateness) std::fprintf(f, "%d\n", ms);
            std::fclose(f);
        }
    }
    return rc;
}
