#pragma once
// In-memory dialog templates for the program's small dialogs. Sizes in a
// template are dialog units, which depend on the font, so the controls are
// written without a size and placed in pixels once the dialog exists.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace velmira {

struct DialogControl {
    int id;
    uint16_t classAtom;  // kButtonAtom or kStaticAtom
    DWORD style;
    const wchar_t* caption;
    int left, top, width, height;  // client pixels, applied by PlaceControls
};

constexpr uint16_t kButtonAtom = 0x0080;
constexpr uint16_t kStaticAtom = 0x0082;

class DialogTemplate {
public:
    DialogTemplate(DWORD style, DWORD exStyle, const wchar_t* caption,
                   const DialogControl* controls, size_t count);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Word(uint16_t w) { words_.push_back(w); }
    void Dword(uint32_t d);
    void Text(const wchar_t* s);
    void AlignDword();
    std::vector<uint16_t> words_;  // vector storage is aligned well beyond a DWORD
};

// The forms' font: "ＭＳ Ｐゴシック" at 12 pixels in the Shift-JIS character set.
HFONT CreateFormFont();

// Gives each control of the dialog its place and size in client pixels, and
// the font to the dialog and its controls when there is one.
void PlaceControls(HWND dialog, const DialogControl* controls, size_t count, HFONT font);

}  // namespace velmira
