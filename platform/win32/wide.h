#pragma once
// UTF-8 inside, UTF-16 at every Win32 call.

#include <string>
#include <string_view>

namespace torva::win32 {

std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace torva::win32
