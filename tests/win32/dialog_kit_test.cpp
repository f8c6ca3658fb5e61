// The dialog kit under a small dialog of the kind the settings dialogs are: a
// tab control, a drop-down list, a check box that enables a group, a
// multi-line edit and a preview button, driven the way a person would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/win/dialog_controls.h"
#include "base/win/modal_dialog.h"
#include "dialog_driver.h"

namespace velmira {
namespace {

constexpr int kTabId = 200;
constexpr int kComboId = 201;
constexpr int kEnableId = 202;
constexpr int kMinutesId = 203;
constexpr int kMinutesLabelId = 204;
constexpr int kNotesId = 205;
constexpr int kPreviewId = 206;
constexpr int kSoundLabelId = 207;
constexpr int kSoundNameId = 208;  // a read-only edit
constexpr int kFooterId = 209;

constexpr int kClientWidth = 360;
constexpr int kClientHeight = 240;
const wchar_t kCaption[] = L"Kit dialog";

const std::vector<int> kEnabledByCheck = {kMinutesId, kMinutesLabelId};

const DialogControl kControls[] = {
    {IDOK, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK", 176, 208, 84,
     24},
    {IDCANCEL, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP, L"Cancel", 268, 208, 84, 24},
    {kFooterId, kStaticAtom, WS_CHILD | WS_VISIBLE, L"Footer", 8, 212, 120, 14},
    {kComboId, kComboBoxAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
     nullptr, 20, 40, 150, 120},
    {kEnableId, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, L"Remind me", 20,
     70, 150, 18},
    {kMinutesId, kEditAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, L"5", 40, 94, 60,
     20, WS_EX_CLIENTEDGE},
    {kMinutesLabelId, kStaticAtom, WS_CHILD | WS_VISIBLE, L"minutes before", 108, 97, 100, 14},
    {kNotesId, kEditAtom,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN |
         ES_AUTOVSCROLL,
     nullptr, 20, 124, 320, 64, WS_EX_CLIENTEDGE},
    {kPreviewId, kButtonAtom, WS_CHILD | WS_VISIBLE | WS_TABSTOP, L"Preview", 220, 40, 88, 21},
    {kSoundLabelId, kStaticAtom, WS_CHILD | WS_VISIBLE, L"Sound", 220, 66, 120, 14},
    {kSoundNameId, kEditAtom, WS_CHILD | WS_VISIBLE | ES_READONLY, L"chime.wav", 220, 84, 120, 20},
    // Last, so that the controls draw over it.
    {kTabId, WC_TABCONTROLW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, nullptr, 8, 8,
     344, 190},
};

// What the dialog edits, copied into the controls and back on OK.
struct KitData {
    int choice = 1;
    bool remind = false;
    std::wstring notes = L"first line\r\nsecond line";
};

class KitDialog : public ModalDialog {
public:
    explicit KitDialog(HWND owner) : ModalDialog(owner) {}

    INT_PTR Show() {
        return RunModal(DialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                       WS_EX_DLGMODALFRAME, kCaption, kControls));
    }

    KitData data;
    bool allStaticsTransparent = false;
    // Touched by the driver thread while the dialog runs.
    std::atomic<bool> acceptOk{true};
    std::atomic<int> okCalls{0};
    std::atomic<int> cancelCalls{0};
    std::atomic<int> previews{0};

private:
    bool OnInitDialog() override {
        if (allStaticsTransparent)
            SetAllStaticsTransparent();
        else
            SetTransparentStatics({kFooterId, kMinutesLabelId});
        FillCombo(hwnd_, kComboId, {L"Daily", L"Weekly", L"Monthly"});
        SelectCombo(hwnd_, kComboId, data.choice);
        SetChecked(hwnd_, kEnableId, data.remind);
        EnableGroup(hwnd_, kEnabledByCheck, data.remind);
        SetControlText(hwnd_, kNotesId, data.notes);
        SetClientSize(kClientWidth, kClientHeight);
        CenterOnOwner();
        return true;
    }
    bool OnOK() override {
        ++okCalls;
        if (!acceptOk) return false;
        data.choice = ComboSelection(hwnd_, kComboId);
        data.remind = IsChecked(hwnd_, kEnableId);
        data.notes = ControlText(hwnd_, kNotesId);
        return true;
    }
    void OnCancel() override { ++cancelCalls; }
    bool OnCommand(int id, int code, HWND) override {
        if (id == kEnableId && code == BN_CLICKED) {
            EnableGroup(hwnd_, kEnabledByCheck, IsChecked(hwnd_, kEnableId));
            return true;
        }
        if (id == kPreviewId && code == BN_CLICKED) {
            ++previews;
            return true;
        }
        return false;
    }
};

driver::Outcome RunKit(KitDialog& dialog, const std::function<void(HWND)>& drive) {
    return driver::RunDialog(
        kCaption, [&] { return dialog.Show(); }, drive);
}

// A plain window standing in for the main stage.
class OwnerWindow {
public:
    OwnerWindow(int left, int top, int width, int height, DWORD style = WS_VISIBLE) {
        hwnd_ = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | style, left, top, width,
                                  height, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    ~OwnerWindow() { ::DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST(DialogKit, TheCheckBoxEnablesItsGroupOnly) {
    KitDialog kit(nullptr);
    bool groupAtFirst[2] = {true, true}, groupChecked[2] = {}, groupUnchecked[2] = {true, true};
    bool comboStays = false, checkedSeen = false, uncheckedSeen = false;
    const driver::Outcome outcome = RunKit(kit, [&](HWND d) {
        auto groupEnabled = [&](bool(&into)[2]) {
            into[0] = ::IsWindowEnabled(driver::Control(d, kMinutesId)) != FALSE;
            into[1] = ::IsWindowEnabled(driver::Control(d, kMinutesLabelId)) != FALSE;
        };
        groupEnabled(groupAtFirst);
        driver::Click(d, kEnableId);
        // This thread may look between the two controls' updates: wait for both.
        auto both = [&](bool enabled) {
            return driver::WaitUntil([&] {
                bool now[2];
                groupEnabled(now);
                return now[0] == enabled && now[1] == enabled;
            });
        };
        checkedSeen = both(true);
        groupEnabled(groupChecked);
        driver::Click(d, kEnableId);
        uncheckedSeen = both(false);
        groupEnabled(groupUnchecked);
        comboStays = ::IsWindowEnabled(driver::Control(d, kComboId)) &&
                     ::IsWindowEnabled(driver::Control(d, kEnableId));
        driver::Click(d, kEnableId);  // checked again, and kept on OK
        driver::WaitUntil(
            [&] { return ::IsWindowEnabled(driver::Control(d, kMinutesId)) != FALSE; });
        driver::PressKey(d, VK_RETURN);
    });
    ASSERT_TRUE(outcome.seen);
    EXPECT_FALSE(groupAtFirst[0]);
    EXPECT_FALSE(groupAtFirst[1]);
    EXPECT_TRUE(checkedSeen);
    EXPECT_TRUE(groupChecked[0]);
    EXPECT_TRUE(groupChecked[1]);
    EXPECT_TRUE(uncheckedSeen);
    EXPECT_FALSE(groupUnchecked[0]);
    EXPECT_FALSE(groupUnchecked[1]);
    EXPECT_TRUE(comboStays) << "controls outside the group keep their state";
    EXPECT_EQ(outcome.result, IDOK);
    EXPECT_TRUE(kit.data.remind);
}

TEST(DialogKit, TheListAndTheNotesRoundTripThroughTheData) {
    KitDialog kit(nullptr);
    kit.data.choice = 2;
    kit.data.notes = L"Lunch with Aoi\r\nat the station\r\n\r\nbring the book";
    std::vector<std::wstring> items;
    int selectedAtFirst = -2, linesAtFirst = 0;
    std::wstring notesAtFirst;
    // Longer than any fixed buffer a reader might have used.
    const std::wstring typed = L"one\r\ntwo\r\n" + std::wstring(600, L'x') + L"\r\nthree";
    const driver::Outcome outcome = RunKit(kit, [&](HWND d) {
        HWND combo = driver::Control(d, kComboId);
        const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[32] = {};
            ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        selectedAtFirst = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
        HWND notes = driver::Control(d, kNotesId);
        notesAtFirst = driver::TextOf(notes);
        linesAtFirst = static_cast<int>(::SendMessageW(notes, EM_GETLINECOUNT, 0, 0));

        ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
        ::SetWindowTextW(notes, typed.c_str());
        driver::PressKey(d, VK_RETURN);
    });
    ASSERT_TRUE(outcome.seen);
    EXPECT_EQ(items, (std::vector<std::wstring>{L"Daily", L"Weekly", L"Monthly"}));
    EXPECT_EQ(selectedAtFirst, 2);
    EXPECT_EQ(notesAtFirst, L"Lunch with Aoi\r\nat the station\r\n\r\nbring the book");
    EXPECT_EQ(linesAtFirst, 4) << "the line breaks are real lines in the edit";
    EXPECT_EQ(outcome.result, IDOK);
    EXPECT_EQ(kit.data.choice, 0);
    EXPECT_EQ(kit.data.notes, typed);
}

TEST(DialogKit, EnterAndEscEndThroughTheirHooks) {
    struct Way {
        const char* name;
        WORD key;
        INT_PTR result;
        int okCalls;
        int cancelCalls;
    };
    const Way ways[] = {
        {"Enter", VK_RETURN, IDOK, 1, 0},
        {"Esc", VK_ESCAPE, IDCANCEL, 0, 1},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        KitDialog kit(nullptr);
        HWND shown = nullptr;
        const driver::Outcome outcome = RunKit(kit, [&](HWND d) {
            shown = d;
            driver::PressKey(d, way.key);
        });
        ASSERT_TRUE(outcome.seen);
        EXPECT_EQ(outcome.result, way.result);
        EXPECT_EQ(kit.okCalls, way.okCalls);
        EXPECT_EQ(kit.cancelCalls, way.cancelCalls);
        EXPECT_FALSE(::IsWindow(shown));
    }
}

TEST(DialogKit, OKRefusedKeepsTheDialogAndPreviewDoesNotEndIt) {
    KitDialog kit(nullptr);
    kit.acceptOk = false;
    bool okAsked = false, openAfterOk = false, previewed = false, openAfterPreview = false;
    const driver::Outcome outcome = RunKit(kit, [&](HWND d) {
        driver::PressKey(d, VK_RETURN);
        okAsked = driver::WaitUntil([&] { return kit.okCalls == 1; });
        ::Sleep(100);  // time enough for a wrong EndDialog to take the window away
        openAfterOk = ::IsWindowVisible(d) != FALSE;

        driver::Click(d, kPreviewId);
        previewed = driver::WaitUntil([&] { return kit.previews == 1; });
        ::Sleep(100);
        openAfterPreview = ::IsWindowVisible(d) != FALSE;
        driver::PressKey(d, VK_ESCAPE);
    });
    ASSERT_TRUE(outcome.seen);
    EXPECT_TRUE(okAsked);
    EXPECT_TRUE(openAfterOk);
    EXPECT_TRUE(previewed);
    EXPECT_TRUE(openAfterPreview);
    EXPECT_EQ(outcome.result, IDCANCEL);
    EXPECT_EQ(kit.data.choice, 1) << "a refused OK copies nothing back";
}

TEST(DialogKit, ExactClientSizeAndCentredOnItsOwner) {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    struct Case {
        const char* name;
        bool hasOwner;
        int left, top, width, height;
        DWORD ownerStyle;
        bool onOwner;  // else centred on the work area
    };
    const Case cases[] = {
        {"shown owner", true, 300, 200, 293, 441, WS_VISIBLE, true},
        {"hidden owner", true, 40, 30, 200, 200, 0, false},
        {"minimized owner", true, 40, 30, 200, 200, WS_VISIBLE | WS_MINIMIZE, false},
        {"no owner", false, 0, 0, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<OwnerWindow> owner;
        if (c.hasOwner)
            owner = std::make_unique<OwnerWindow>(c.left, c.top, c.width, c.height, c.ownerStyle);
        KitDialog kit(owner ? owner->get() : nullptr);
        RECT client{}, window{};
        const driver::Outcome outcome = RunKit(kit, [&](HWND d) {
            ::GetClientRect(d, &client);
            ::GetWindowRect(d, &window);
            driver::PressKey(d, VK_ESCAPE);
        });
        ASSERT_TRUE(outcome.seen);
        EXPECT_EQ(client.right, kClientWidth);
        EXPECT_EQ(client.bottom, kClientHeight);
        const int width = window.right - window.left;
        const int height = window.bottom - window.top;
        if (c.onOwner) {
            EXPECT_EQ(window.left, c.left + (c.width - width) / 2);
            EXPECT_EQ(window.top, c.top + (c.height - height) / 2);
        } else {
            EXPECT_EQ(window.left, work.left + (work.right - work.left - width) / 2);
            EXPECT_EQ(window.top, work.top + (work.bottom - work.top - height) / 2);
        }
    }
}

// What the dialog answers a static's WM_CTLCOLORSTATIC with, and the
// background mode it leaves in the static's DC.
struct ColourAnswer {
    bool hollow = false;
    int backgroundMode = 0;
};

ColourAnswer AnswerFor(HWND dialog, int id) {
    HWND control = driver::Control(dialog, id);
    HDC dc = ::GetDC(control);
    ::SetBkMode(dc, OPAQUE);
    const LRESULT brush = ::SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(control));
    ColourAnswer answer{brush == reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)),
                        ::GetBkMode(dc)};
    ::ReleaseDC(control, dc);
    return answer;
}

TEST(DialogKit, OnlyTheNamedStaticsAreTransparent) {
    struct Case {
        const char* name;
        bool all;
        int id;
        bool hollow;
    };
    const Case cases[] = {
        {"named", false, kFooterId, true},
        {"named, in a group", false, kMinutesLabelId, true},
        {"not named", false, kSoundLabelId, false},
        {"all: a static", true, kSoundLabelId, true},
        {"all: a read-only edit", true, kSoundNameId, false},
        {"all: a check box", true, kEnableId, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KitDialog kit(nullptr);
        kit.allStaticsTransparent = c.all;
        ColourAnswer answer;
        const driver::Outcome outcome = RunKit(kit, [&](HWND d) {
            answer = AnswerFor(d, c.id);
            driver::PressKey(d, VK_ESCAPE);
        });
        ASSERT_TRUE(outcome.seen);
        EXPECT_EQ(answer.hollow, c.hollow);
        EXPECT_EQ(answer.backgroundMode, c.hollow ? TRANSPARENT : OPAQUE);
    }
}

}  // namespace
}  // namespace velmira
