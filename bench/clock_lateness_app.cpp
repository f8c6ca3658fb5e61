// The program with an observer on each second's hand-over: when the process
// ends it writes, one per line, how many milliseconds after the wall-clock
// second boundary each DrawSecondHand ran. The log goes to the file named by
// VELMIRA_LATENESS_LOG. Used by bench/clock_cpu.py; never shipped.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "app/win/run_clock.h"

namespace {

// Runs on the user-interface thread just before DrawSecondHand, with a
// reading of the clock taken there.
class LatenessLog : public velmira::HandoverObserver {
public:
    LatenessLog() { lateness.reserve(4096); }
    void SecondHandedOver(const velmira::LocalTime& now) override {
        lateness.push_back(now.milliseconds);
    }
    std::vector<int> lateness;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    LatenessLog log;
    velmira::StageEnvironment environment = velmira::StageEnvironment::System();
    environment.handoverObserver = &log;
    const int rc = velmira::RunVelmiraClock(instance, environment);
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VELMIRA_LATENESS_LOG", path, MAX_PATH)) {
        if (FILE* f = std::fopen(path, "w")) {
            for (int ms : log.lateness) std::fprintf(f, "%d\n", ms);
            std::fclose(f);
        }
    }
    return rc;
}
