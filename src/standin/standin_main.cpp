// qorix-standin INSTALL_FOLDER [--position=X,Y,Z] [--log=FILE]
#include <fstream>
#include <iostream>

#include "standin/standin.h"
#include "wizards/common/errors.h"

int main(int argc, char** argv) {
    qorix::standin::Options options;
    std::string problem = qorix::standin::parseArguments(argc, argv, options);
    if (!problem.empty()) {
        std::cerr << "qorix-standin: " << problem << "\n"
                  << "használat: qorix-standin TELEPÍTÉSI_MAPPA [--position=X,Y,Z] [--log=FÁJL]\n";
        return 2;
    }
    std::ofstream file;
    if (!options.logPath.empty()) {
        file.open(options.logPath, std::ios::app);
        if (!file) {
            std::cerr << "qorix-standin: a naplófájl nem nyitható meg: " << options.logPath << "\n";
            return 1;
        }
    }
    try {
        qorix::standin::StandIn standIn(options, options.logPath.empty() ? std::cout : file);
        return standIn.run();
    } catch (const std::exception& e) {
        std::cerr << "qorix-standin: " << e.what() << "\n";
        return 1;
    }
}
