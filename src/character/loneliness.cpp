#include "character/loneliness.h"

#include <utility>

namespace velmira {

uint32_t LonelyWaitMs(int32_t samiLim) {
    // A negative wait from a hand-edited registry means never, like 0; a huge
    // one is as long as a window timer can wait rather than a wrapped number.
    if (samiLim <= 0) return 0;
    const uint64_t ms = static_cast<uint64_t>(samiLim) * 1000u;
    return ms > samishii::kLongestWaitMs ? samishii::kLongestWaitMs : static_cast<uint32_t>(ms);
}

LonelinessMachine::LonelinessMachine(RandomSource random) : random_(std::move(random)) {}

bool LonelinessMachine::SetFace(int n) {
    if (n <= 0) {
        const bool shown = face_ != 0;
        face_ = 0;
        return shown;
    }
    if (n > kFaceCount) return false;
    // The same face again is drawn again: the picture is reloaded.
    face_ = n;
    return true;
}

bool LonelinessMachine::TryRandomSmile() {
    if (++smileCounter < 3) return false;
    smileCounter = 0;
    if (!random_ || random_(3) != 1) return false;
    timer_.enabled = false;
    timer_.interval = samishii::kSmileMs;
    timer_.Tag = samishii::kSmiling;
    SetFace(1);
    timer_.enabled = true;
    return true;
}

const wchar_t* LonelinessMachine::SamishiiTimerTimer(int32_t samiLim, bool nakuTest) {
    timer_.enabled = false;
    const wchar_t* sound = nullptr;
    switch (timer_.Tag) {
        case samishii::kWaiting:
            timer_.interval = samishii::kLonelyStepMs;
            timer_.Tag = samishii::kLonely1;
            sound = L"Snd_Matsu1";
            SetFace(2);
            break;
        case samishii::kLonely1:
            timer_.interval = samishii::kLonelyStepMs;
            timer_.Tag = samishii::kLonely2;
            sound = L"Snd_Matsu2";
            SetFace(3);
            break;
        default:  // after the second lonely stage, or after the smile
            timer_.interval = LonelyWaitMs(samiLim);
            timer_.Tag = samishii::kWaiting;
            SetFace(0);
            break;
    }
    if (timer_.interval == 0) return sound;
    if (nakuTest) timer_.interval = samishii::kNakuTestMs;
    timer_.enabled = true;
    return sound;
}

void LonelinessMachine::ResetLoneliness() {
    StopLonelinessTimer();
    if (face_ != 0) SetFace(0);
}

}  // namespace velmira
