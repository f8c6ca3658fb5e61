#pragma once
// Whether the value under the current user's Run key starts this program.
// The value is not hers alone: another program (or another copy of her) may
// have written it, and only a value that names this program counts as hers.

#include <string>

namespace velmira {

// What the Run value holds, as the registry answers.
enum class RunValueKind {
    Missing,
    Text,          // REG_SZ
    ExpandedText,  // REG_EXPAND_SZ, its environment strings already expanded
    Other,         // any other kind: no program Windows would start
};

struct RunValue {
    RunValueKind kind = RunValueKind::Missing;
    std::wstring text;
};

// The value the installer writes for a program: its full path in quotes.
std::wstring RunCommandFor(const std::wstring& programPath);

// True when the value is text naming exactly this program: its path, quoted
// or not, compared as Windows compares paths (without regard to case).
bool RunValueNamesProgram(const RunValue& value, const std::wstring& programPath);

}  // namespace velmira
