#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/regional.h"
#include "link/textfile.h"

int main(int argc, char** argv) {
    qorix::textfile::ignoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    return qorix::runCli(args, std::cout, std::cerr, qorix::regionalDecimalSeparator());
}
