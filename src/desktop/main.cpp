// The desktop program: qorix-wizards [INSTALL_FOLDER]
#include <iostream>

#include "app/about.h"
#include "desktop/desktop.h"

int main(int argc, char** argv) {
    if (qorix::standardOption(
            argc, argv, "qorix-wizards",
            "Használat: qorix-wizards [TELEPÍTÉSI_MAPPA]\n"
            "A QORIX varázslók asztali programja: G-kód programok marógéphez.\n\n"
            "TELEPÍTÉSI_MAPPA  a QORIX telepítési mappája; a cserefájlok a\n"
            "                  TELEPÍTÉSI_MAPPA/Wizards/Kombinat mappában vannak\n"
            "                  (alapérték: a saját mappában a QORIX)\n\n"
            "  --help     ez a súgó\n"
            "  --version  a változat\n",
            std::cout))
        return 0;
    return qorix::runDesktop(argc, argv);
}
