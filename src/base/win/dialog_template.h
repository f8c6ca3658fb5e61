#pragma once
// In-memory dialog templates for the program's small dialogs. Sizes in a
// template are dialog units, which depend on the font, so the controls are
// written without a size and placed in pixels once the dialog exists.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/display_scale.h"
#include "base/win/handles.h"

namespace velmira {

// The predefined control classes, by the atoms a template may name them with.
constexpr uint16_t kButtonAtom = 0x0080;
constexpr uint16_t kEditAtom = 0x0081;
constexpr uint16_t kStaticAtom = 0x0082;
constexpr uint16_t kListBoxAtom = 0x0083;
constexpr uint16_t kScrollBarAtom = 0x0084;
constexpr uint16_t kComboBoxAtom = 0x0085;

// A control's window class: one of the atoms above or a registered class name
// such as WC_TABCONTROLW. The name is only read while the template is built.
class ControlClass {
public:
    constexpr ControlClass(uint16_t atom) : atom_(atom) {}
    constexpr ControlClass(const wchar_t* name) : name_(name) {}
    constexpr bool IsAtom() const { return name_ == nullptr; }
    constexpr uint16_t Atom() const { return atom_; }
    constexpr const wchar_t* Name() const { return name_; }

private:
    uint16_t atom_ = 0;
    const wchar_t* name_ = nullptr;
};

struct DialogControl {
    int id;
    ControlClass controlClass;
    DWORD style;
    const wchar_t* caption;
    int left, top, width, height;  // client pixels at 96 DPI, applied by PlaceControls
    DWORD exStyle = 0;             // e.g. WS_EX_CLIENTEDGE for an edit
};

class DialogTemplate {
public:
    DialogTemplate(DWORD style, DWORD exStyle, const wchar_t* caption,
                   const DialogControl* controls, size_t count);
    template <size_t N>
    DialogTemplate(DWORD style, DWORD exStyle, const wchar_t* caption,
                   const DialogControl (&controls)[N])
        : DialogTemplate(style, exStyle, caption, controls, N) {}

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
    const std::vector<DialogControl>& Controls() const { return controls_; }

private:
    void Word(uint16_t w) { words_.push_back(w); }
    void Dword(uint32_t d);
    void Text(const wchar_t* s);
    void AlignDword();
    std::vector<uint16_t> words_;  // vector storage is aligned well beyond a DWORD
    std::vector<DialogControl> controls_;
};

// The forms' font: "ＭＳ Ｐゴシック" at 12 pixels (at 96 DPI) in the Shift-JIS
// character set.
UniqueFont CreateFormFont(const DisplayScale& scale = DisplayScale{});

// Gives each control of the dialog its place and size in client pixels at
// the scale, and the font to the dialog and its controls when there is one.
void PlaceControls(HWND dialog, const DialogControl* controls, size_t count, HFONT font,
                   const DisplayScale& scale = DisplayScale{});

// The same table's controls made as children of a window that is no dialog
// (the balloon, the debug controls on her), in `font`, placed at the scale;
// a control that cannot be made is null in the answer, which follows the
// table's order.
std::vector<HWND> CreateChildControls(HWND parent, const DialogControl* controls, size_t count,
                                      HFONT font, const DisplayScale& scale = DisplayScale{});
template <size_t N>
std::vector<HWND> CreateChildControls(HWND parent, const DialogControl (&controls)[N], HFONT font,
                                      const DisplayScale& scale = DisplayScale{}) {
    return CreateChildControls(parent, controls, N, font, scale);
}

// Moves the children made from the table (in its order, as CreateChildControls
// answered) to their places at the scale and gives them the form font at
// that scale, which it answers: the caller keeps it for as long as they live,
// and lets go of the old one only now.
UniqueFont PlaceChildControls(const std::vector<HWND>& children, const DialogControl* controls,
                              size_t count, const DisplayScale& scale);
template <size_t N>
UniqueFont PlaceChildControls(const std::vector<HWND>& children, const DialogControl (&controls)[N],
                              const DisplayScale& scale) {
    return PlaceChildControls(children, controls, N, scale);
}

}  // namespace velmira
