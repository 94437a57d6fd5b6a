// The program's own failures. Each carries a Hungarian message for the user; the event
// wrapper shows it and the program goes on.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace qorix {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field text that is not a number of the kind the field holds.
class ConversionError : public Error {
public:
    using Error::Error;
};

// A text quoted in a message, cut to at most `most` bytes (at least 4) with "..." at its
// end; never in the middle of a UTF-8 character, so that the message stays readable.
inline std::string shortened(std::string_view text, std::size_t most) {
    if (text.size() <= most) return std::string(text);
    std::size_t cut = most - 3;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "...";
}

}  // namespace qorix
