#include "link/exchange.h"

#include "link/textfile.h"

namespace qorix::exchange {

std::string exchangeFolder(const std::string& installFolder) {
    return exchangePaths(installFolderFrom(installFolder)).folder;
}

void storeExchangePaths(SharedValues& shared, const std::string& installFolder) {
    ExchangePaths paths = exchangePaths(installFolderFrom(installFolder));
    shared.commandPath = paths.command;
    shared.dataPath = paths.data;
    shared.filePath = paths.file;
    shared.positionPath = paths.position;
}

void writeLoadCode(const SharedValues& shared) { textfile::writeBytes(shared.dataPath, "L"); }

void writeEndCode(const SharedValues& shared) { textfile::writeBytes(shared.dataPath, "E"); }

void writeProgramPath(const SharedValues& shared, const std::string& programPath) {
    textfile::writeLines(shared.filePath, {programPath});
}

}  // namespace qorix::exchange
