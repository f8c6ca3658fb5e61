#include "base/win/dialog_template.h"

namespace velmira {

DialogTemplate::DialogTemplate(DWORD style, DWORD exStyle, const wchar_t* caption,
                               const DialogControl* controls, size_t count)
    : controls_(controls, controls + count) {
    Dword(style);
    Dword(exStyle);
    Word(static_cast<uint16_t>(count));
    for (int i = 0; i < 4; ++i) Word(0);  // x, y, cx, cy: set in pixels later
    Word(0);                              // no menu
    Word(0);                              // the standard dialog class
    Text(caption);
    for (const DialogControl& c : controls_) {
        AlignDword();
        Dword(c.style);
        Dword(c.exStyle);
        for (int k = 0; k < 4; ++k) Word(0);
        Word(static_cast<uint16_t>(c.id));
        if (c.controlClass.IsAtom()) {
            Word(0xFFFF);
            Word(c.controlClass.Atom());
        } else {
            Text(c.controlClass.Name());
            usesNamedClasses_ = true;
        }
        Text(c.caption ? c.caption : L"");
        Word(0);  // no creation data
    }
}

void DialogTemplate::Dword(uint32_t d) {
    Word(static_cast<uint16_t>(d & 0xFFFF));
    Word(static_cast<uint16_t>(d >> 16));
}

void DialogTemplate::Text(const wchar_t* s) {
    for (; *s; ++s) Word(static_cast<uint16_t>(*s));
    Word(0);
}

void DialogTemplate::AlignDword() {
    if (words_.size() % 2) Word(0);
}

UniqueFont CreateFormFont() {
    return UniqueFont(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック"));
}

void PlaceControls(HWND dialog, const DialogControl* controls, size_t count, HFONT font) {
    for (size_t i = 0; i < count; ++i) {
        const DialogControl& c = controls[i];
        HWND control = ::GetDlgItem(dialog, c.id);
        ::MoveWindow(control, c.left, c.top, c.width, c.height, FALSE);
        if (font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (font) ::SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace velmira
