#include "link/exchange.h"

#include "link/textfile.h"

namespace qorix::exchange {

namespace {

std::string join(const std::string& folder, const char* name) {
    if (!folder.empty() && folder.back() == kPathSeparator) return folder + name;
    return folder + kPathSeparator + name;
}

}  // namespace

std::string exchangeFolder(const std::string& installFolder) {
    const std::string& install = installFolder.empty() ? kDefaultInstallFolder : installFolder;
    return join(join(install, "Wizards"), "Kombinat");
}

void storeExchangePaths(SharedValues& shared, const std::string& installFolder) {
    std::string folder = exchangeFolder(installFolder);
    shared.commandPath = join(folder, kCommandFile);
    shared.dataPath = join(folder, kDataFile);
    shared.filePath = join(folder, kFileFile);
    shared.positionPath = join(folder, kPositionFile);
}

void writeLoadCode(const SharedValues& shared) { textfile::writeBytes(shared.dataPath, "L"); }

void writeEndCode(const SharedValues& shared) { textfile::writeBytes(shared.dataPath, "E"); }

void writeProgramPath(const SharedValues& shared, const std::string& programPath) {
    textfile::writeLines(shared.filePath, {programPath});
}

}  // namespace qorix::exchange
