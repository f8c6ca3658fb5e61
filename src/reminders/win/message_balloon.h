#pragma once
// TMessageBalloon: the speech balloon in which she says a reminder. Created
// hidden at start and kept for the whole run; the reminders fill and show it.

#include <windows.h>

#include "base/win/form_window.h"

namespace velmira {

class TMessageBalloon : public FormWindow {
public:
    TMessageBalloon();
    ~TMessageBalloon() override;

    // Creates the hidden window, owned by the main stage.
    bool Create(HWND owner);

    bool Visible() const { return Handle() && ::IsWindowVisible(Handle()); }
    void Hide();
    // The balloon follows the stage's stay-on-top setting, also while hidden.
    void SetStayOnTop(bool onTop);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// The balloon of this run; null before the entry point creates it and after it is gone.
extern TMessageBalloon* MessageBalloon;

}  // namespace velmira
