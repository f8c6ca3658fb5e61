#pragma once
// TStageBand: the one owner of her window's band. It keeps what the band
// depends on (her settings, whether she is hidden, the full-screen watch's
// answer), asks ChooseBand and puts her window there: its z-order, whether
// it shows, its extended styles and opacity. Her balloon follows through
// `followers`. User-interface thread only.

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
    void Start(HWND stage, const BandInputs& inputs, Followers followers, FullScreen fullScreen);
    void SetStayOnTop(bool stayOnTop);
    void SetHidden(bool hidden);
    void SetClickThrough(bool clickThrough);
    void SetOpacity(int32_t percent);
    void SetShowInTaskbar(bool show);
    // Puts her window in its band again (it came up with the balloon).
    void Apply();
    // A closed balloon hands her the focus and she comes to the front,
    // unless she is out of sight.
    void TakeFocus();
    // Her first show has happened: from now on the band may show her again.
    // False when she must not be seen now: the caller hides her once her
    // show is over.
    bool FirstShown();

    const BandInputs& Inputs() const { return inputs_; }
    const WindowBand& Band() const { return band_; }
    const TFullScreenWatch& Watch() const { return watch_; }

private:
    void ApplyStyles(const WindowBand& band);

    HWND stage_ = nullptr;
    BandInputs inputs_;
    WindowBand band_;
    bool followed_ = false;   // the followers have had a band
    bool shownOnce_ = false;  // before her first show nothing shows her
    Followers followers_;
    FullScreen fullScreen_;
    TFullScreenWatch watch_;
};

}  // namespace velmira
