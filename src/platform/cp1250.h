// Windows-1250, the code page of the exchange files and programs, by a table of our own: the
// same bytes on every system, with no converter that the system may lack.
#pragma once

#include <string>
#include <string_view>

namespace qorix::platform {

// A character that Windows-1250 cannot hold, and a broken UTF-8 sequence, become "?".
std::string utf8ToCp1250(std::string_view utf8);
// The five bytes that Windows-1250 leaves undefined become "?".
std::string cp1250ToUtf8(std::string_view bytes);

}  // namespace qorix::platform
