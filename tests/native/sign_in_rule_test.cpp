// Which Run values start her: text naming her own path, whatever its case
// and quotes; another program, arguments, or a value of another kind never.
#include "settings/sign_in_rule.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

TEST(SignInRule, OnlyTextNamingThisProgramIsHers) {
    const std::wstring program = L"C:\\Users\\Ｍｉｋａ\\Programs\\VelmiraClock\\VelmiraClock.exe";
    using K = RunValueKind;
    const struct {
        const char* name;
        RunValue value;
        bool hers;
    } table[] = {
        {"what she writes", {K::Text, RunCommandFor(program)}, true},
        {"unquoted", {K::Text, program}, true},
        {"expanded from an environment string", {K::ExpandedText, RunCommandFor(program)}, true},
        {"other case, full-width too",
         {K::Text, L"\"c:\\USERS\\ｍＩＫＡ\\programs\\velmiraclock\\VELMIRACLOCK.EXE\""},
         true},
        {"blanks around the quotes", {K::Text, L" \t" + RunCommandFor(program) + L" "}, true},
        {"another copy of her", {K::Text, L"\"D:\\Tools\\VelmiraClock.exe\""}, false},
        {"one letter more", {K::Text, RunCommandFor(program + L"x")}, false},
        {"with arguments", {K::Text, RunCommandFor(program) + L" /min"}, false},
        {"one quote only", {K::Text, L"\"" + program}, false},
        {"empty", {K::Text, L"\"\""}, false},
        {"missing", {K::Missing, RunCommandFor(program)}, false},
        {"a number or bytes", {K::Other, RunCommandFor(program)}, false},
    };
    for (const auto& row : table)
        EXPECT_EQ(RunValueNamesProgram(row.value, program), row.hers) << row.name;
    // Latin-1 letters fold; the division sign beside them has no case.
    EXPECT_TRUE(RunValueNamesProgram({K::Text, L"C:\\MÜLLER\\a.exe"}, L"c:\\müller\\A.EXE"));
    EXPECT_FALSE(RunValueNamesProgram({K::Text, L"C:\\\u00d7.exe"}, L"C:\\\u00f7.exe"));
}

}  // namespace
}  // namespace velmira
