// Which Run values start her: text naming her own path, whatever its case
// and quotes; another program, arguments, or a value of another kind never.
#include "settings/sign_in_rule.h"

#include <gtest/gtest.h>

namespace velmira {
namespace {

TEST(SignInRule, OnlyTextNamingThisProgramIsHers) {
    const std::wstring program = L"C:\\Users\\Ｍｉｋａ Müller\\VelmiraClock\\VelmiraClock.exe";
    using K = RunValueKind;
    const struct {
        const char* name;
        RunValue value;
        bool hers;
    } table[] = {
        {"what she writes", {K::Text, RunCommandFor(program)}, true},
        {"unquoted, blanks around", {K::Text, L" " + program + L"\t"}, true},
        {"expanded from an environment string", {K::ExpandedText, RunCommandFor(program)}, true},
        {"other case: ASCII, full-width, Latin-1",
         {K::Text, L"\"c:\\USERS\\ｍＩＫＡ MÜLLER\\velmiraclock\\VELMIRACLOCK.EXE\""},
         true},
        {"another copy of her", {K::Text, L"\"D:\\Tools\\VelmiraClock.exe\""}, false},
        {"one letter more", {K::Text, RunCommandFor(program + L"x")}, false},
        {"with arguments", {K::Text, RunCommandFor(program) + L" /min"}, false},
        {"empty", {K::Text, L"\"\""}, false},
        {"missing", {K::Missing, RunCommandFor(program)}, false},
        {"a number or bytes", {K::Other, RunCommandFor(program)}, false},
    };
    for (const auto& row : table)
        EXPECT_EQ(RunValueNamesProgram(row.value, program), row.hers) << row.name;
    // The division sign among the Latin-1 letters has no case.
    EXPECT_FALSE(RunValueNamesProgram({K::Text, L"C:\\\u00d7.exe"}, L"C:\\\u00f7.exe"));
}

}  // namespace
}  // namespace velmira
