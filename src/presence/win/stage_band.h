#pragma once
// TStageBand: the one owner of her window's band. It keeps what the band
// depends on (her setting, the full-screen watch's answer), asks ChooseBand
// and puts her window there; her balloon follows through `followers`.
// User-interface thread only.

#include <windows.h>

#include <functional>
#include <utility>

#include "presence/win/fullscreen_watch.h"
#include "presence/window_band.h"

namespace velmira {

class TStageBand {
public:
    using Followers = std::function<void(const WindowBand& band)>;
    using FullScreen = std::function<void(bool quiet)>;

    TStageBand() = default;
    explicit TStageBand(TFullScreenWatch::Sources sources) : watch_(std::move(sources)) {}

    // Puts her window in its band and starts the full-screen watch;
    // `fullScreen` runs at each change of the watch's answer, after the band
    // has followed it.
    void Start(HWND stage, bool stayOnTop, Followers followers, FullScreen fullScreen);
    void SetStayOnTop(bool stayOnTop);
    // Puts her window in its band again (it came up with the balloon).
    void Apply();

    const WindowBand& Band() const { return band_; }
    const TFullScreenWatch& Watch() const { return watch_; }

private:
    HWND stage_ = nullptr;
    BandInputs inputs_;
    WindowBand band_;
    bool followed_ = false;  // the followers have had a band
    Followers followers_;
    FullScreen fullScreen_;
    TFullScreenWatch watch_;
};

}  // namespace velmira
