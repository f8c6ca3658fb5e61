#include "settings/sign_in_rule.h"

#include <algorithm>

namespace velmira {

namespace {

// The lower-case letters that Windows' path comparison folds, of the scripts
// a path of hers is likely to hold: ASCII, Latin-1 and the full-width forms.
struct FoldedRange {
    wchar_t first;
    wchar_t last;
};
constexpr FoldedRange kLowerRanges[] = {{L'a', L'z'}, {0x00E0, 0x00FE}, {0xFF41, 0xFF5A}};
constexpr wchar_t kLatin1Division = 0x00F7;  // ÷ sits among the letters and has no case
constexpr wchar_t kCaseOffset = 0x20;

wchar_t Folded(wchar_t c) {
    if (c == kLatin1Division) return c;
    for (const FoldedRange& range : kLowerRanges)
        if (c >= range.first && c <= range.last) return static_cast<wchar_t>(c - kCaseOffset);
    return c;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The path a command names when it is nothing but a path: around it only
// blanks, and quotes when it has them, as Windows reads a program's path.
std::wstring PathOfCommand(const std::wstring& command) {
    size_t begin = 0;
    size_t end = command.size();
    while (begin < end && IsBlank(command[begin])) ++begin;
    while (end > begin && IsBlank(command[end - 1])) --end;
    if (end - begin >= 2 && command[begin] == L'"' && command[end - 1] == L'"') {
        ++begin;
        --end;
    }
    const std::wstring path = command.substr(begin, end - begin);
    // A quote left inside means arguments or a broken command: not a bare path.
    return path.find(L'"') == std::wstring::npos ? path : std::wstring();
}

}  // namespace

std::wstring RunCommandFor(const std::wstring& programPath) { return L"\"" + programPath + L"\""; }

bool RunValueNamesProgram(const RunValue& value, const std::wstring& programPath) {
    if (value.kind != RunValueKind::Text && value.kind != RunValueKind::ExpandedText) return false;
    const std::wstring named = PathOfCommand(value.text);
    if (named.empty() || named.size() != programPath.size()) return false;
    return std::equal(named.begin(), named.end(), programPath.begin(),
                      [](wchar_t a, wchar_t b) { return Folded(a) == Folded(b); });
}

}  // namespace velmira
