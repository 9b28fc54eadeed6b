#pragma once

#include <string>
#include <string_view>

namespace gv::win32 {

// The program's strings are UTF-8; Windows wants UTF-16 for every wide call.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace gv::win32
