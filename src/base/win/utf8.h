#pragma once
// UTF-8 for exception texts, and back for showing them.

#include <string>

namespace velmira {

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

}  // namespace velmira
