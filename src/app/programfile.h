// A program file read whole, as "inspect" and the desktop program's "Megnyitás" read it: any
// regular file up to a size that the memory can take, decoded from Windows-1250 and split at
// CR LF, CR or LF. The exchange files' small bound is no bound for a program of a million lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qorix {

// A program larger than this is refused with a message rather than read half.
inline constexpr std::size_t kProgramFileBytes = std::size_t{256} << 20;

// Throws FileError for a file that cannot be read, is no regular file (a pipe is not waited
// for) or is larger than kProgramFileBytes.
std::vector<std::string> readProgramFile(const std::string& path);

}  // namespace qorix
