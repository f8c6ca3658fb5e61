#pragma once
// Her window's band: where it stands among the other windows. One rule from
// what her settings and the screen say; the stage applies what it answers,
// and her balloon follows it for itself.

namespace velmira {

// What the band depends on.
struct BandInputs {
    bool stayOnTop = false;   // the "常に一番手前に表示" setting
    bool fullScreen = false;  // another program's window covers her monitor
};

enum class StageZ {
    Ordinary,     // among the other windows
    Topmost,      // above every window without the stay-on-top style
    BehindCover,  // out of the stay-on-top band, right behind the full-screen window
};

struct WindowBand {
    StageZ z = StageZ::Ordinary;
    // The balloon keeps her setting's style; while she is behind a
    // full-screen program it waits hidden, ready for when she is back.
    bool balloonTopmost = false;

    bool operator==(const WindowBand& o) const {
        return z == o.z && balloonTopmost == o.balloonTopmost;
    }
};

WindowBand ChooseBand(const BandInputs& inputs);

}  // namespace velmira
