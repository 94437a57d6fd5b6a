// "GetXYZ.txt" with any bytes, read as the About window reads the machine position: the
// position is three finite numbers written in four-decimal form, or a failure shown by the
// event wrapper, and nothing else escapes.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <typeinfo>

#include "fuzz/fuzzcheck.h"
#include "link/aboutbox.h"
#include "tests/support/wizardprobe.h"
#include "ui/event.h"
#include "wizards/common/errors.h"

using namespace qorix;

namespace {
std::string positionFile;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/qorix-fuzz-getxyz-XXXXXX";
    fuzz::require(mkdtemp(folder) != nullptr, "no temporary folder");
    positionFile = std::string(folder) + "/GetXYZ.txt";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream f(positionFile, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    for (char sep : {',', '.'}) {
        NumberText num(sep);
        RecordingSleeper sleeper;
        ui::RecordingDialogs dialogs;
        AboutBox box(num, sleeper);
        box.standalone = 1;  // nothing is written; the file is only read
        box.positionPath = positionFile;
        std::string escaped;
        bool ok = ui::runEvent(dialogs, [&] {
            try {
                box.ReadGetXYZ();
            } catch (const Error&) {
                throw;
            } catch (const std::exception& e) {
                escaped = std::string(typeid(e).name()) + ": " + e.what();
                throw;
            }
        });
        fuzz::require(escaped.empty(), "escaped the event wrapper: " + escaped);
        if (!ok) continue;
        for (long double v : {box.xPos, box.yPos, box.zPos})
            fuzz::require(std::isfinite(v), "a position that is not finite");
        std::string bad = probe::firstNonFiniteLine({box.xPosText, box.yPosText, box.zPosText});
        fuzz::require(bad.empty(), "position written as " + bad);
    }
    return 0;
}
