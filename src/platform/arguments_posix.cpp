#include "platform/arguments.h"

namespace qorix::platform {

std::vector<std::string> arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void useUtf8Console() {}

}  // namespace qorix::platform
