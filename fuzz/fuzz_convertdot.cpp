// One line of the position file through ConvertDot, under both separators: a finite
// number, or the program's own conversion failure.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzzcheck.h"
#include "link/aboutbox.h"
#include "wizards/common/errors.h"

using namespace qorix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    for (char sep : {',', '.'}) {
        NumberText num(sep);
        RecordingSleeper sleeper;
        AboutBox box(num, sleeper);
        try {
            long double v = box.ConvertDot(line);
            fuzz::require(std::isfinite(v), "ConvertDot gave a number that is not finite");
        } catch (const Error&) {
        }
    }
    return 0;
}
