#pragma once
// What the main stage reads from the machine, handed in at its creation:
// held keys, the local clock, the random source of her smiles, where the
// settings and her Run value live and where her artwork comes from. The
// program takes the real machine's (System()); tests and benchmarks hand in
// their own.

#include "base/inputs.h"
#include "base/win/system_inputs.h"
#include "clock/win/clocker.h"
#include "settings/win/settings_location.h"
#include "settings/win/sign_in_start.h"

namespace velmira {

struct StageEnvironment {
    KeyHeld keyHeld = AsyncKeyHeld;
    LocalClock clock = ReadSystemLocalTime;
    RandomSource random;  // seeded once per run by System()
    SettingsLocation settings;
    // Her value under the Run key: whether she starts at sign-in.
    RunValueLocation signIn;
    // The module whose resources hold her artwork; null for the program itself.
    HINSTANCE resources = nullptr;
    // Sees each second's hand-over on the user-interface thread; benchmarks only.
    HandoverObserver* handoverObserver = nullptr;

    static StageEnvironment System() {
        StageEnvironment environment;
        environment.random = SystemRandomSource();
        return environment;
    }
};

}  // namespace velmira
