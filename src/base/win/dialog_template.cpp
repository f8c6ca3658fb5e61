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

UniqueFont CreateFormFont(const DisplayScale& scale) {
    return UniqueFont(::CreateFontW(-scale.Px(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                    L"ＭＳ Ｐゴシック"));
}

namespace {

// The window class of a template's predefined atom.
const wchar_t* ClassName(const ControlClass& cls) {
    if (!cls.IsAtom()) return cls.Name();
    switch (cls.Atom()) {
        case kButtonAtom:
            return L"Button";
        case kEditAtom:
            return L"Edit";
        case kStaticAtom:
            return L"Static";
        case kListBoxAtom:
            return L"ListBox";
        case kScrollBarAtom:
            return L"ScrollBar";
        default:
            return L"ComboBox";
    }
}

// A control's place in client pixels at the scale.
Rect PlaceAt(const DialogControl& c, const DisplayScale& scale) {
    return scale.Px(Rect{c.left, c.top, c.width, c.height});
}

void MoveAndFont(HWND control, const Rect& at, HFONT font) {
    ::MoveWindow(control, at.left, at.top, at.width, at.height, FALSE);
    if (font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

std::vector<HWND> CreateChildControls(HWND parent, const DialogControl* controls, size_t count,
                                      HFONT font, const DisplayScale& scale) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    std::vector<HWND> made;
    for (size_t i = 0; i < count; ++i) {
        const DialogControl& c = controls[i];
        const Rect at = PlaceAt(c, scale);
        HWND control = ::CreateWindowExW(c.exStyle, ClassName(c.controlClass), c.caption, c.style,
                                         at.left, at.top, at.width, at.height, parent,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                         instance, nullptr);
        if (control && font)
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        made.push_back(control);
    }
    return made;
}

UniqueFont PlaceChildControls(const std::vector<HWND>& children, const DialogControl* controls,
                              size_t count, const DisplayScale& scale) {
    UniqueFont font = CreateFormFont(scale);
    for (size_t i = 0; i < count && i < children.size(); ++i)
        if (children[i]) MoveAndFont(children[i], PlaceAt(controls[i], scale), font.get());
    return font;
}

void PlaceControls(HWND dialog, const DialogControl* controls, size_t count, HFONT font,
                   const DisplayScale& scale) {
    for (size_t i = 0; i < count; ++i)
        MoveAndFont(::GetDlgItem(dialog, controls[i].id), PlaceAt(controls[i], scale), font);
    if (font) ::SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace velmira
