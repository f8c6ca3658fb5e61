#pragma once
// TMessageBalloon: the speech balloon in which she says a reminder. The main
// stage makes it hidden at start and keeps it for the whole run; the
// reminders fill and show it.

#include <windows.h>

#include "base/win/form_window.h"

namespace velmira {

class TMessageBalloon : public FormWindow {
public:
    TMessageBalloon() = default;

    // Creates the hidden window; `owner` may be null.
    bool Create(HWND owner);

    bool Visible() const { return Handle() && ::IsWindowVisible(Handle()); }
    void Hide();
    // The balloon follows the stage's stay-on-top setting, also while hidden.
    void SetStayOnTop(bool onTop);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace velmira
