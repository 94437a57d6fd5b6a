// What a fuzz target does when a property breaks: says which and stops, so that libFuzzer
// keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace qorix::fuzz {

[[noreturn]] inline void broken(const std::string& what) {
    std::fprintf(stderr, "PROPERTY BROKEN: %s\n", what.c_str());
    std::abort();
}

inline void require(bool holds, const std::string& what) {
    if (!holds) broken(what);
}

}  // namespace qorix::fuzz
