#pragma once
// Her moods: now and then a smile, and when she is left alone long enough
// after one, a lonely call and face, a minute later a lonelier one. One timer
// drives it all; its Tag holds the step. The machine is fed explicit events
// (a minute redraw, the timer's tick, the user's attention, a menu item) and
// says what to show, what to play and how to set the timer.

#include <cstdint>

#include "base/inputs.h"

namespace velmira {

// The timer's steps, kept in its Tag while it runs.
namespace samishii {
constexpr int32_t kWaiting = 0;   // no face, counting the lonely wait
constexpr int32_t kLonely1 = 1;   // face 2, after Snd_Matsu1
constexpr int32_t kLonely2 = 2;   // face 3, after Snd_Matsu2
constexpr int32_t kSmiling = 40;  // face 1
constexpr uint32_t kSmileMs = 20000;
constexpr uint32_t kLonelyStepMs = 60000;
constexpr uint32_t kNakuTestMs = 5000;  // every interval the tick sets, while "泣く" is checked
constexpr uint32_t kLongestWaitMs = 0x7FFFFFFF;  // the longest a window timer waits
}  // namespace samishii

// The lonely wait of samiLim seconds in milliseconds; 0 for none.
uint32_t LonelyWaitMs(int32_t samiLim);

// The timer as the machine sets it. Every change stops it first, so when it
// runs again its countdown starts over.
struct LonelinessTimer {
    bool enabled = false;
    uint32_t interval = 1000;  // milliseconds
    int32_t Tag = 0;
};

// Her face pictures, by face number: face n is kFaceNames[n - 1].
constexpr const wchar_t* kFaceNames[] = {L"Face1", L"Face2", L"Face3"};
constexpr int kFaceCount = static_cast<int>(sizeof(kFaceNames) / sizeof(kFaceNames[0]));

class LonelinessMachine {
public:
    // `random` decides the smile rolls.
    explicit LonelinessMachine(RandomSource random);

    // Face numbers: 0 none, 1 the smile, 2 and 3 the lonely stages.
    int Face() const { return face_; }
    const LonelinessTimer& Timer() const { return timer_; }
    int32_t smileCounter = 0;  // calls of TryRandomSmile since the last roll

    // Shows face n (0 or less: none). Any other n changes nothing; the
    // answer says whether the face must be drawn again.
    bool SetFace(int n);

    // A minute redraw while no face shows: every third call rolls, and one
    // roll in three starts a smile. True when it did.
    bool TryRandomSmile();

    // The timer's tick. The sound to play first (null for none): the caller
    // plays it, then shows Face().
    const wchar_t* SamishiiTimerTimer(int32_t samiLim, bool nakuTest);

    void StopLonelinessTimer() { timer_.enabled = false; }
    // The user paid attention: the cycle stops and her face is normal again.
    void ResetLoneliness();

private:
    RandomSource random_;
    LonelinessTimer timer_;
    int face_ = 0;
};

}  // namespace velmira
