#pragma once
// TMessageBalloon: the speech balloon in which she says a reminder. The main
// stage makes it hidden at start and keeps it for the whole run; the
// reminders fill and show it. Where it opens and its shape come from
// balloon_placement.h; this file turns them into a window.

#include <windows.h>

#include <string>

#include "base/display_scale.h"
#include "base/types.h"
#include "base/win/timer.h"
#include "base/win/form_window.h"
#include "base/win/handles.h"
#include "reminders/balloon_placement.h"

namespace velmira {

// What the balloon reads of the stage she stands on, and asks of it. The
// balloon never moves her window itself: it asks.
class BalloonHost {
public:
    virtual ~BalloonHost() = default;
    virtual HWND StageWindow() = 0;  // her window, read for its position and client size
    virtual Rect MouthArea() = 0;    // in her client coordinates
    virtual bool AppMinimized() = 0;
    virtual void RestoreApplication() = 0;  // shown while minimized: bring the program back
    virtual void MinimizeApplication() = 0;
    virtual void StopSound() = 0;
    virtual void BalloonShown() = 0;  // she comes up with it, in her band
    virtual void ReturnFocus() = 0;   // every close gives her the focus back
};

class TMessageBalloon : public FormWindow {
public:
    static constexpr UINT kAutoCloseMs = 30000;
    static constexpr UINT kFollowMs = 250;
    static constexpr int kButton1Id = IDOK;
    static constexpr int kMessageAreaId = 101;
    static constexpr int kTimeLabelId = 102;

    explicit TMessageBalloon(BalloonHost& host);
    ~TMessageBalloon() override;

    // Creates the hidden window and its controls, laid out at her scale. Not
    // owned by the stage: under Wine an owned popup takes the stay-on-top
    // style from its owner.
    bool Create(const DisplayScale& scale = DisplayScale());

    // The message (cut by its label's rectangle when too long) and the time label.
    void SetTexts(const std::wstring& message, const std::wstring& timeLabel);
    // The balloon keeps the stay-on-top style of her band, also while hidden.
    void FollowBand(bool topmost);
    // Her scale, handed over by the stage when it changes: the window, its
    // controls and their font are laid out again, and a shown balloon takes
    // its new size and place beside her mouth at once.
    void SetScale(const DisplayScale& scale);
    const DisplayScale& Scale() const { return scale_; }
    // Decides where the balloon opens beside her mouth; with `show` it is
    // shown there (FormShow when it was hidden, to the front otherwise).
    void ChoosePlacement(bool show);

    bool Visible() const { return Handle() && ::IsWindowVisible(Handle()); }
    void Hide();
    // Hidden for a while, leaving the focus where it is: another program
    // has the screen. ChoosePlacement(true) shows it again.
    void SetAside();
    // -1 until the first placement, then a BalloonPlacement value.
    int Placement() const { return placement_; }

    // The handlers of the close button and the two timers.
    void Button1Click();
    void Timer1Timer();
    void Timer2Timer();

    HWND MessageArea() const { return messageArea_; }
    HWND TimeLabel() const { return timeLabel_; }
    HWND Button1() const { return button1_; }
    const TTimer& Timer1() const { return timer1_; }
    const TTimer& Timer2() const { return timer2_; }
    bool RestoredApp() const { return restoredApp_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Her restored window.
    StageFrame CurrentStage() const;
    void BuildBalloonShape();
    void FormShow();
    void FormHide();
    void FormPaint();
    static LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);

    BalloonHost& host_;
    DisplayScale scale_;
    BalloonLayout layout_;
    UniqueFont font_;
    HWND messageArea_ = nullptr;
    HWND timeLabel_ = nullptr;
    HWND button1_ = nullptr;
    TTimer timer1_{kAutoCloseMs, [this] { Timer1Timer(); }};
    TTimer timer2_{kFollowMs, [this] { Timer2Timer(); }};

    int32_t stageLeft_ = 0;
    int32_t stageTop_ = 0;
    bool restoredApp_ = false;
    int placement_ = -1;
    bool shapedForShow_ = false;  // ChoosePlacement built the shape just before the show
    // A copy of the shape the window owns, for drawing the outline.
    UniqueRgn frameRegion_;
    bool topmost_ = false;
    bool destroying_ = false;
    bool settingAside_ = false;
};

}  // namespace velmira
