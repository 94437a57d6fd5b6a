// Windows only: UTF-8 inside the programs, UTF-16 for the system's wide calls.
#pragma once

#include <string>
#include <string_view>

namespace qorix::platform {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

}  // namespace qorix::platform
