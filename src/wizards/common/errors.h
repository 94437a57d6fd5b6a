// The program's own failures. Each carries a Hungarian message for the user; the event
// wrapper shows it and the program goes on.
#pragma once

#include <stdexcept>
#include <string>

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

}  // namespace qorix
