#pragma once
// Her window's band: where and how it stands among the other windows. One
// rule from what her settings and the screen say; the stage applies what it
// answers, and her balloon follows it for itself.

#include <cstdint>

namespace velmira {

// What the band depends on.
struct BandInputs {
    bool stayOnTop = false;     // the "常に一番手前に表示" setting
    bool fullScreen = false;    // another program's window covers her monitor
    bool hidden = false;        // the user hid her
    bool clickThrough = false;  // clicks and the pointer pass through her
    int32_t opacity = 100;      // percent
    bool showInTaskbar = true;  // a taskbar button and a place in Alt+Tab
};

struct WindowBand {
    bool topmost = false;  // above every window without the stay-on-top style
    // Shown at all: out of sight while she is hidden, and for as long as a
    // full-screen program covers her monitor (stepping behind it does not
    // hold everywhere; being hidden does).
    bool visible = true;
    bool layered = false;      // WS_EX_LAYERED: see-through or click-through
    bool transparent = false;  // WS_EX_TRANSPARENT: the pointer passes through
    uint8_t alpha = 255;       // her whole window's opacity while layered
    bool appWindow = true;     // a taskbar button (otherwise a tool window, in none)
    // The balloon keeps her setting's style; while she is out of sight it
    // waits hidden, ready for when she is back.
    bool balloonTopmost = false;

    bool operator==(const WindowBand& o) const {
        return topmost == o.topmost && visible == o.visible && layered == o.layered &&
               transparent == o.transparent && alpha == o.alpha && appWindow == o.appWindow &&
               balloonTopmost == o.balloonTopmost;
    }
    bool operator!=(const WindowBand& o) const { return !(*this == o); }
};

// An opacity outside 1..100 percent counts as 100: she is never invisible.
WindowBand ChooseBand(const BandInputs& inputs);

}  // namespace velmira
