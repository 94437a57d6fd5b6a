#include "link/exchange.h"

#include "link/textfile.h"

namespace qorix::exchange {

std::string exchangeFolder(const std::string& installFolder) {
    return exchangePaths(installFolderFrom(installFolder)).folder;
}

void storeExchangePaths(Session& session, const std::string& installFolder) {
    ExchangePaths paths = exchangePaths(installFolderFrom(installFolder));
    session.commandPath = paths.command;
    session.dataPath = paths.data;
    session.filePath = paths.file;
    session.positionPath = paths.position;
}

void writeLoadCode(const Session& session) { textfile::writeBytes(session.dataPath, "L"); }

void writeEndCode(const Session& session) { textfile::writeBytes(session.dataPath, "E"); }

void writeProgramPath(const Session& session, const std::string& programPath) {
    textfile::writeLines(session.filePath, {programPath});
}

}  // namespace qorix::exchange
