#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "link/textfile.h"
#include "platform/arguments.h"
#include "platform/regional.h"

int main(int argc, char** argv) {
    qorix::textfile::ignoreFileSizeSignal();
    std::vector<std::string> args = qorix::platform::arguments(argc, argv);
    if (!args.empty()) args.erase(args.begin());
    qorix::platform::useUtf8Console();
    return qorix::runCli(args, std::cout, std::cerr, qorix::platform::decimalSeparator());
}
