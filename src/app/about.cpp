#include "app/about.h"

#include <cstring>

#include "app/version.h"

namespace qorix {

void printVersion(std::ostream& out, const std::string& program) {
    out << program << " (QORIX varázslók) " << kVersion << "\n"
        << "Ez szabad szoftver: szabadon módosítható és terjeszthető.\n"
        << "Semmilyen garancia nincs rá, a törvény által megengedett mértékig.\n";
}

bool standardOption(int argc, char** argv, const std::string& program, const std::string& help,
                    std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            out << help;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            printVersion(out, program);
            return true;
        }
    }
    return false;
}

}  // namespace qorix
