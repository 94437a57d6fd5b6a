// qorix-standin INSTALL_FOLDER [--position=X,Y,Z] [--log=FILE] [--poll=MS] [--verify] [--moving]
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/about.h"
#include "link/textfile.h"
#include "platform/arguments.h"
#include "platform/files.h"
#include "standin/standin.h"
#include "wizards/common/errors.h"

namespace {

constexpr const char* kHelp =
    "Használat: qorix-standin TELEPÍTÉSI_MAPPA [--position=X,Y,Z] [--log=FÁJL]\n"
    "                         [--poll=MS] [--verify] [--moving]\n"
    "A QORIX helyett felel a varázslóknak a TELEPÍTÉSI_MAPPA/Wizards/Kombinat\n"
    "cserefájljain át: a \"G\" kérésre megírja a GetXYZ.txt fájlt, naplózza a \"L\"\n"
    "betöltést és a \"C\" parancsot, és az \"E\" kódra kilép.\n\n"
    "  --position=X,Y,Z  a jelentett gép pozíció (alapérték 0,0,0)\n"
    "  --log=FÁJL        napló a szabványos kimenet helyett\n"
    "  --poll=MS         ennyi ezredmásodpercenként néz a cserefájlra (alapérték 20)\n"
    "  --verify          minden betöltendő programot ellenőriz (megvan, teljes, a záró\n"
    "                    M30 sorral végződik) és megszámol; a számokat az \"E\" kódnál\n"
    "                    naplózza\n"
    "  --moving          mozgó gép: minden nézéskor újraírja a GetXYZ.txt fájlt, az\n"
    "                    n-edik alkalommal X=n.25, Y=-n.5, Z=n.75 pozícióval\n"
    "  --help            ez a súgó\n"
    "  --version         a változat\n";

}  // namespace

int main(int argc, char** argv) {
    if (qorix::standardOption(argc, argv, "qorix-standin", kHelp, std::cout)) return 0;
    qorix::textfile::ignoreFileSizeSignal();
    qorix::standin::Options options;
    // the arguments in UTF-8 on every system (a folder "kör" stays "kör" on Windows)
    std::vector<std::string> args = qorix::platform::arguments(argc, argv);
    std::vector<char*> utf8;
    for (auto& a : args) utf8.push_back(a.data());
    std::string problem =
        qorix::standin::parseArguments(static_cast<int>(utf8.size()), utf8.data(), options);
    if (!problem.empty()) {
        std::cerr << "qorix-standin: " << problem << "\n"
                  << "használat: qorix-standin TELEPÍTÉSI_MAPPA [--position=X,Y,Z] [--log=FÁJL] "
                     "[--poll=MS] [--verify] [--moving]\n";
        return 2;
    }
    std::ofstream file;
    if (!options.logPath.empty()) {
        file.open(qorix::platform::pathOf(options.logPath), std::ios::app | std::ios::binary);
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
